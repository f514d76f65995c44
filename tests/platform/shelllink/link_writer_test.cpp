// The bytes the writer lays down, checked field by field where the format fixes them.
#include <gtest/gtest.h>

#include <cstring>

#include "shelllink/link_format.h"
#include "shelllink/link_reader.h"
#include "shelllink/link_writer.h"
#include "test_support.h"

namespace shelllink_test {
namespace {

using layer::shelllink::LinkData;
using layer::shelllink::SerializeLink;

uint16_t U16At(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
uint32_t U32At(const std::vector<uint8_t>& b, size_t at) { return U16At(b, at) | uint32_t(U16At(b, at + 2)) << 16; }

std::vector<uint8_t> Serialize(const LinkData& link) {
  std::vector<uint8_t> bytes;
  EXPECT_EQ(SerializeLink(link, &bytes), S_OK);
  return bytes;
}

LinkData DirectoryLink() {
  LinkData link;
  link.target = u"explorer.exe";
  link.arguments = u"/e,\"Z:\\tmp\\写真\"";
  link.iconPath = u"C:\\Windows\\System32\\shell32.dll";
  link.iconIndex = 3;
  return link;
}

TEST(LinkWriter, HeaderGoldenBytes) {
  const std::vector<uint8_t> bytes = Serialize(DirectoryLink());
  ASSERT_GE(bytes.size(), 76u);
  const uint8_t golden[76] = {
      0x4C, 0x00, 0x00, 0x00,                          // HeaderSize
      0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,  // LinkCLSID
      0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46,  //
      0xE3, 0x00, 0x00, 0x00,  // IDList, LinkInfo, Arguments, IconLocation, IsUnicode
      0x20, 0x00, 0x00, 0x00,  // FILE_ATTRIBUTE_ARCHIVE
      0, 0, 0, 0, 0, 0, 0, 0,  // CreationTime
      0, 0, 0, 0, 0, 0, 0, 0,  // AccessTime
      0, 0, 0, 0, 0, 0, 0, 0,  // WriteTime
      0x00, 0x00, 0x00, 0x00,  // FileSize
      0x03, 0x00, 0x00, 0x00,  // IconIndex
      0x01, 0x00, 0x00, 0x00,  // SW_SHOWNORMAL
      0x00, 0x00,              // HotKey
      0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0,  // reserved
  };
  EXPECT_EQ(std::memcmp(bytes.data(), golden, sizeof golden), 0);
}

TEST(LinkWriter, StringsAreCountedUtf16WithoutTerminators) {
  const LinkData link = DirectoryLink();
  const std::vector<uint8_t> bytes = Serialize(link);
  // The last two strings run up to the terminal block.
  const size_t iconBytes = 2 * link.iconPath.size();
  const size_t iconAt = bytes.size() - 4 - iconBytes - 2;
  EXPECT_EQ(U16At(bytes, iconAt), link.iconPath.size());
  const size_t argsAt = iconAt - 2 * link.arguments.size() - 2;
  EXPECT_EQ(U16At(bytes, argsAt), 14u);  // /e,"Z:\tmp\写真": 14 units
  for (size_t i = 0; i < link.arguments.size(); ++i) {
    EXPECT_EQ(U16At(bytes, argsAt + 2 + 2 * i), link.arguments[i]) << i;
  }
  EXPECT_EQ(U32At(bytes, bytes.size() - 4), 0u);  // terminal block
}

TEST(LinkWriter, EnvironmentBlockHoldsTheUnexpandedTarget) {
  LinkData link;
  link.target = u"%ProgramFiles%\\Internet Explorer\\iexplore.exe";
  link.arguments = u"https://example.com/";
  const std::vector<uint8_t> bytes = Serialize(link);
  EXPECT_EQ(U32At(bytes, 0x14), 0x2A3u);  // IDList, LinkInfo, Arguments, IsUnicode, HasExpString
  const size_t block = bytes.size() - 4 - 0x314;
  EXPECT_EQ(U32At(bytes, block), 0x314u);
  EXPECT_EQ(U32At(bytes, block + 4), 0xA0000001u);
  const std::string ansi(reinterpret_cast<const char*>(&bytes[block + 8]));
  EXPECT_EQ(ansi, "%ProgramFiles%\\Internet Explorer\\iexplore.exe");
  for (size_t i = 0; i < link.target.size(); ++i) {
    EXPECT_EQ(U16At(bytes, block + 268 + 2 * i), link.target[i]) << i;
  }
  EXPECT_EQ(U16At(bytes, block + 268 + 2 * link.target.size()), 0u);
}

TEST(LinkWriter, UnicodeLinkInfoOnlyWhenCodePage932CannotHoldThePath) {
  struct Case {
    std::u16string target;
    uint32_t headerSize;
  };
  const Case cases[] = {
      {u"C:\\Windows\\explorer.exe", 0x1C},
      {u"C:\\写真\\表示.exe", 0x1C},
      {u"C:\\Ünïcode\\표시.exe", 0x24},
  };
  for (const Case& c : cases) {
    LinkData link;
    link.target = c.target;
    const std::vector<uint8_t> bytes = Serialize(link);
    const size_t linkInfo = 76 + 2 + U16At(bytes, 76);
    EXPECT_EQ(U32At(bytes, linkInfo + 4), c.headerSize);
    auto read = layer::shelllink::ReadLinkFile(bytes.data(), bytes.size());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->idListPath, c.target);
    EXPECT_EQ(read->localBasePathUnicode.has_value(), c.headerSize == 0x24);
    if (read->localBasePathUnicode) {
      EXPECT_EQ(*read->localBasePathUnicode, c.target);
    }
  }
}

TEST(LinkWriter, UnicodeOnlyTargetReadByLnkinfo) {
  LinkData link;
  link.target = u"C:\\Ünïcode\\표시.exe";
  ScratchFolder folder;
  const std::string path = folder.Posix() + "/u.lnk";
  const std::vector<uint8_t> bytes = Serialize(link);
  FILE* out = fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  fwrite(bytes.data(), 1, bytes.size(), out);
  fclose(out);
  auto fields = RunLnkinfo(path);
  EXPECT_EQ(fields["Local path"], "C:\\Ünïcode\\표시.exe") << fields["(output)"];
}

TEST(LinkWriter, UnplaceableTargetKeepsItsTextAsRelativePath) {
  LinkData link;
  link.target = u"tool-we-do-not-know.exe";
  const std::vector<uint8_t> bytes = Serialize(link);
  EXPECT_EQ(U32At(bytes, 0x14), 0x88u);  // HasRelativePath | IsUnicode: no IDList, no LinkInfo
  auto read = layer::shelllink::ReadLinkFile(bytes.data(), bytes.size());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->relativePath, link.target);
}

TEST(LinkWriter, StringLimitIs259UnitsExceptArguments) {
  struct Case {
    const char* what;
    std::u16string LinkData::*field;
  };
  const Case cases[] = {{"target", &LinkData::target},
                        {"icon", &LinkData::iconPath},
                        {"description", &LinkData::description},
                        {"working directory", &LinkData::workingDirectory}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LinkData link;
    link.*c.field = u"C:\\" + std::u16string(256, u'a');
    std::vector<uint8_t> bytes;
    EXPECT_EQ(SerializeLink(link, &bytes), S_OK);
    link.*c.field += u'a';
    bytes.clear();
    EXPECT_EQ(SerializeLink(link, &bytes), E_INVALIDARG);
    EXPECT_TRUE(bytes.empty());
  }
  LinkData longArguments;
  longArguments.arguments = std::u16string(5000, u'x');
  EXPECT_EQ(Serialize(longArguments).size() > 10000, true);
}

}  // namespace
}  // namespace shelllink_test
