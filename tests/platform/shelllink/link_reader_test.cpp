// The reader on damaged input: every failure is a clean nullopt, never a read past the data.
#include <gtest/gtest.h>

#include "shelllink/link_reader.h"
#include "shelllink/link_writer.h"

namespace shelllink_test {
namespace {

using layer::shelllink::LinkData;
using layer::shelllink::ReadLinkFile;

std::vector<uint8_t> FullLink() {
  LinkData link;
  link.target = u"%windir%\\explorer.exe";
  link.arguments = u"/e,\"Z:\\tmp\\写真\"";
  link.iconPath = u"C:\\Windows\\System32\\shell32.dll";
  link.iconIndex = -7;
  link.description = u"説明";
  link.workingDirectory = u"C:\\作業";
  std::vector<uint8_t> bytes;
  EXPECT_EQ(layer::shelllink::SerializeLink(link, &bytes), S_OK);
  return bytes;
}

TEST(LinkReader, ReadsBackEverythingWritten) {
  const std::vector<uint8_t> bytes = FullLink();
  auto read = ReadLinkFile(bytes.data(), bytes.size());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->idListPath, u"C:\\Windows\\explorer.exe");
  EXPECT_EQ(read->localBasePathAnsi, "C:\\Windows\\explorer.exe");
  EXPECT_FALSE(read->localBasePathUnicode);
  EXPECT_EQ(read->driveType, 3u);
  EXPECT_EQ(read->arguments, u"/e,\"Z:\\tmp\\写真\"");
  EXPECT_EQ(read->iconLocation, u"C:\\Windows\\System32\\shell32.dll");
  EXPECT_EQ(read->iconIndex, -7);
  EXPECT_EQ(read->name, u"説明");
  EXPECT_EQ(read->workingDirectory, u"C:\\作業");
  EXPECT_EQ(read->environmentUnicode, u"%windir%\\explorer.exe");
  EXPECT_EQ(read->environmentAnsi, "%windir%\\explorer.exe");
}

// Each cut copies the prefix into a buffer of exactly that size, so a read past it is a
// heap overflow the sanitizer build reports.
TEST(LinkReader, EveryTruncationFails) {
  const std::vector<uint8_t> bytes = FullLink();
  for (size_t size = 0; size < bytes.size(); ++size) {
    const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
    EXPECT_FALSE(ReadLinkFile(cut.data(), cut.size())) << size;
  }
}

TEST(LinkReader, CorruptedFieldsFail) {
  const std::vector<uint8_t> good = FullLink();
  const size_t idListSize = 76;
  const size_t linkInfo = 76 + 2 + (good[76] | good[77] << 8);
  struct Corruption {
    const char* what;
    size_t at;
    std::vector<uint8_t> value;
  };
  const Corruption cases[] = {
      {"header size", 0, {0x4D}},
      {"class id", 4, {0x02}},
      {"idlist size past the end", idListSize, {0xFF, 0xFF}},
      {"linkinfo size past the end", linkInfo, {0xFF, 0xFF, 0xFF, 0x7F}},
      {"linkinfo size too small", linkInfo, {0x08, 0x00, 0x00, 0x00}},
      {"local base path offset past the end", linkInfo + 16, {0xFF, 0xFF, 0x00, 0x00}},
      {"volume id offset past the end", linkInfo + 12, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"flags announce every string", 0x14, {0xFF, 0x03}},
  };
  for (const Corruption& c : cases) {
    std::vector<uint8_t> bad = good;
    std::copy(c.value.begin(), c.value.end(), bad.begin() + c.at);
    EXPECT_FALSE(ReadLinkFile(bad.data(), bad.size())) << c.what;
  }
  EXPECT_FALSE(ReadLinkFile(nullptr, 100));
}

TEST(LinkReader, StringCountPastTheEndFails) {
  LinkData link;
  link.arguments = u"abc";
  std::vector<uint8_t> bytes;
  ASSERT_EQ(layer::shelllink::SerializeLink(link, &bytes), S_OK);
  bytes[76] = 0xFF;  // the arguments' count, right after the header
  bytes[77] = 0x7F;
  EXPECT_FALSE(ReadLinkFile(bytes.data(), bytes.size()));
}

TEST(LinkReader, MissingTerminalBlockFailsAndUnknownBlocksAreSkipped) {
  LinkData link;
  link.arguments = u"x";
  std::vector<uint8_t> bytes;
  ASSERT_EQ(layer::shelllink::SerializeLink(link, &bytes), S_OK);
  std::vector<uint8_t> noTerminal(bytes.begin(), bytes.end() - 4);
  EXPECT_FALSE(ReadLinkFile(noTerminal.data(), noTerminal.size()));

  std::vector<uint8_t> withBlock(bytes.begin(), bytes.end() - 4);
  const uint8_t block[] = {0x0C, 0, 0, 0, 0x04, 0, 0, 0xA0, 0xAA, 0xBB, 0xCC, 0xDD};
  withBlock.insert(withBlock.end(), block, block + sizeof block);
  withBlock.insert(withBlock.end(), 4, 0);
  auto read = ReadLinkFile(withBlock.data(), withBlock.size());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->arguments, u"x");

  std::vector<uint8_t> oversized(bytes.begin(), bytes.end() - 4);
  const uint8_t huge[] = {0xF0, 0xFF, 0xFF, 0x7F, 0x01, 0, 0, 0xA0};
  oversized.insert(oversized.end(), huge, huge + sizeof huge);
  EXPECT_FALSE(ReadLinkFile(oversized.data(), oversized.size()));
}

}  // namespace
}  // namespace shelllink_test
