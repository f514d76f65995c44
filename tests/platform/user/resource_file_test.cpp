// The .res reader on the program's compiled resources and on damaged data.
#include "user/resource_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "user/byte_reader.h"
#include "user/icons.h"

namespace layer::user {
namespace {

std::vector<uint8_t> ReadResFile() {
  std::ifstream file(TOBRISK_RES_FILE, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

const ResourceEntry* Find(const std::vector<ResourceEntry>& entries, WORD type, WORD name) {
  return FindResourceEntry(entries, ResourceId::Ordinal(type), ResourceId::Ordinal(name));
}

TEST(ResourceFile, FindsDialogAndIconGroupOfTheProgram) {
  std::vector<uint8_t> bytes = ReadResFile();
  ASSERT_FALSE(bytes.empty());
  auto entries = ParseResourceFile(bytes.data(), bytes.size());
  ASSERT_TRUE(entries.has_value());

  const ResourceEntry* dialog = Find(*entries, kRtDialog, 129);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->language, 0x0411);  // Japanese, default sublanguage
  ASSERT_GE(dialog->size, 4u);
  EXPECT_EQ(dialog->data[2], 0xFF);  // DLGTEMPLATEEX signature
  EXPECT_EQ(dialog->data[3], 0xFF);

  const ResourceEntry* group = Find(*entries, kRtGroupIcon, 107);
  ASSERT_NE(group, nullptr);
  ByteReader reader(group->data, group->size);
  EXPECT_EQ(reader.Word(), 0);
  EXPECT_EQ(reader.Word(), 1);  // icons, not cursors
  ASSERT_EQ(reader.Word(), 2);
  std::vector<int> sizes;
  for (int i = 0; i < 2; ++i) {
    int width = reader.Byte();
    int height = reader.Byte();
    EXPECT_EQ(width, height);
    EXPECT_EQ(reader.Byte(), 16);  // colours
    reader.Byte();
    EXPECT_EQ(reader.Word(), 1);  // planes
    EXPECT_EQ(reader.Word(), 4);  // bits per pixel
    uint32_t bytesInResource = reader.Dword();
    WORD id = reader.Word();
    const ResourceEntry* image = Find(*entries, kRtIcon, id);
    ASSERT_NE(image, nullptr) << "icon image " << id;
    EXPECT_EQ(image->size, bytesInResource);
    QImage decoded = DecodeIconImage(image->data, image->size);
    EXPECT_EQ(decoded.width(), width);
    EXPECT_EQ(decoded.height(), height);
    sizes.push_back(width);
  }
  EXPECT_TRUE(reader.ok());
  EXPECT_EQ(sizes, (std::vector<int>{32, 16}));

  EXPECT_EQ(Find(*entries, kRtDialog, 130), nullptr);
  EXPECT_EQ(Find(*entries, kRtIcon, 107), nullptr);
}

TEST(ResourceFile, NamesAndNumberedNamesResolveLikeFindResource) {
  EXPECT_EQ(ResourceId::FromPointer(MAKEINTRESOURCEA(129)), ResourceId::Ordinal(129));
  EXPECT_EQ(ResourceId::FromPointer("#129"), ResourceId::Ordinal(129));
  ResourceId named = ResourceId::FromPointer("MainDialog");
  EXPECT_FALSE(named.isOrdinal);
  EXPECT_EQ(named.name, u"MAINDIALOG");  // resource compilers store names in upper case
  EXPECT_FALSE(ResourceId::FromPointer("#12x").isOrdinal);
}

// Every cut of the file either fails or yields entries that lie wholly inside what was given.
TEST(ResourceFile, TruncatedFilesFailCleanly) {
  std::vector<uint8_t> bytes = ReadResFile();
  ASSERT_FALSE(bytes.empty());
  size_t failures = 0;
  for (size_t size = 1; size < bytes.size(); ++size) {
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    auto entries = ParseResourceFile(cut.data(), cut.size());
    if (!entries) {
      ++failures;
      continue;
    }
    for (const ResourceEntry& entry : *entries) {
      EXPECT_LE(entry.data + entry.size, cut.data() + cut.size()) << "cut at " << size;
    }
  }
  EXPECT_GT(failures, bytes.size() / 2);
}

TEST(ResourceFile, MalformedHeadersFail) {
  std::vector<uint8_t> bytes = ReadResFile();
  ASSERT_GE(bytes.size(), 64u);
  struct Case {
    const char* what;
    size_t offset;  // into the second entry's header (the first is the empty leading one)
    uint32_t value;
  };
  const Case cases[] = {
      {"data size beyond the end", 32, 0x7FFFFFF0},
      {"header size beyond the end", 36, 0x7FFFFFF0},
      {"header size smaller than its fields", 36, 8},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> damaged = bytes;
    for (int i = 0; i < 4; ++i) damaged[c.offset + i] = static_cast<uint8_t>(c.value >> (8 * i));
    EXPECT_FALSE(ParseResourceFile(damaged.data(), damaged.size()).has_value()) << c.what;
  }
}

TEST(ResourceFile, GarbageNeverCrashes) {
  uint32_t state = 12345;
  for (int round = 0; round < 200; ++round) {
    std::vector<uint8_t> garbage(static_cast<size_t>(round * 7 + 1));
    for (uint8_t& byte : garbage) {
      state = state * 1664525u + 1013904223u;
      byte = static_cast<uint8_t>(state >> 24);
    }
    auto entries = ParseResourceFile(garbage.data(), garbage.size());
    if (entries) {
      for (const ResourceEntry& entry : *entries) {
        EXPECT_LE(entry.data + entry.size, garbage.data() + garbage.size());
      }
    }
  }
  EXPECT_TRUE(ParseResourceFile(nullptr, 0).has_value());  // no entries at all
}

TEST(IconImage, MalformedImagesDecodeToNothing) {
  std::vector<uint8_t> bytes = ReadResFile();
  auto entries = ParseResourceFile(bytes.data(), bytes.size());
  ASSERT_TRUE(entries);
  const ResourceEntry* image = Find(*entries, kRtIcon, 1);
  ASSERT_NE(image, nullptr);
  std::vector<uint8_t> data(image->data, image->data + image->size);
  EXPECT_FALSE(DecodeIconImage(data.data(), data.size()).isNull());
  EXPECT_TRUE(DecodeIconImage(data.data(), data.size() - 1).isNull()) << "mask cut short";
  std::vector<uint8_t> wrongBits = data;
  wrongBits[14] = 7;
  EXPECT_TRUE(DecodeIconImage(wrongBits.data(), wrongBits.size()).isNull());
  std::vector<uint8_t> oddHeight = data;
  oddHeight[8] = 33;
  EXPECT_TRUE(DecodeIconImage(oddHeight.data(), oddHeight.size()).isNull());
  EXPECT_TRUE(DecodeIconImage(data.data(), 10).isNull());
}

}  // namespace
}  // namespace layer::user
