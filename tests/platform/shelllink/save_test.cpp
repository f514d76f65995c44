// IPersistFile::Save and Load against the real file system: all or nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "com_fixture.h"
#include "shelllink/link_reader.h"
#include "test_support.h"

namespace shelllink_test {
namespace {

class Save : public ComTest {
 protected:
  ScratchFolder folder_;
  Link link_;

  void SetUp() override {
    ComTest::SetUp();
    link_ = MakeLink();
    ASSERT_TRUE(link_.shellLink && link_.persistFile);
    ASSERT_EQ(link_.shellLink->SetPath("explorer.exe"), S_OK);
    ASSERT_EQ(link_.shellLink->SetArguments("/e,\"Z:\\tmp\""), S_OK);
  }
  std::u16string Name(const std::u16string& relative) const {
    return folder_.Windows() + u"\\" + relative;
  }
};

TEST_F(Save, FailuresLeaveNoFileAndNoTemporary) {
  {
    std::ofstream(folder_.Posix() + "/plain-file") << "x";
  }
  struct Case {
    const char* what;
    std::u16string name;
    HRESULT expected;
  };
  const Case cases[] = {
      {"missing folder", Name(u"missing\\a.lnk"), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)},
      {"parent is a file", Name(u"plain-file\\a.lnk"), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)},
      {"name is a folder", folder_.Windows(), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)},
      {"another drive", u"C:\\Users\\a.lnk", HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)},
      {"empty name", u"", E_INVALIDARG},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(link_.persistFile->Save(c.name.c_str(), TRUE), c.expected);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"plain-file"});
  }
}

TEST_F(Save, ReadOnlyFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string locked = folder_.Posix() + "/locked";
  ASSERT_EQ(::mkdir(locked.c_str(), 0555), 0);
  EXPECT_EQ(link_.persistFile->Save(Name(u"locked\\a.lnk").c_str(), TRUE),
            HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
  ::chmod(locked.c_str(), 0755);
  EXPECT_FALSE(Exists(locked + "/a.lnk"));
}

// sysfs refuses new files even to root: a folder that cannot be written to whoever runs the tests.
TEST_F(Save, FolderThatRefusesNewFiles) {
  struct stat info {};
  if (::stat("/sys/kernel", &info) != 0) GTEST_SKIP() << "no sysfs here";
  const std::u16string name = u"Z:\\sys\\kernel\\tobrisk-test.lnk";
  EXPECT_EQ(link_.persistFile->Save(name.c_str(), TRUE), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(Exists("/sys/kernel/tobrisk-test.lnk"));
  for (const std::string& entry : test_support::FolderEntries("/sys/kernel")) {
    EXPECT_EQ(entry.find(".tmp"), std::string::npos) << entry;
  }
}

TEST_F(Save, TooLongTargetIsRefusedAndNothingWritten) {
  const std::string longest = "C:\\" + std::string(256, 'a');
  EXPECT_EQ(link_.shellLink->SetPath(longest.c_str()), S_OK);
  EXPECT_EQ(link_.shellLink->SetPath((longest + "a").c_str()), E_INVALIDARG);
  ASSERT_EQ(link_.persistFile->Save(Name(u"a.lnk").c_str(), TRUE), S_OK);
  auto read = layer::shelllink::ReadLinkFile(ReadBytes(folder_.Posix() + "/a.lnk").data(),
                                             ReadBytes(folder_.Posix() + "/a.lnk").size());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->localBasePathAnsi, longest);  // the refused 260 left the 259 in place

  // A variable that expands past the limit is refused as well.
  const std::string expands = "%ProgramFiles%\\" + std::string(244, 'b');
  EXPECT_EQ(link_.shellLink->SetPath(expands.c_str()), E_INVALIDARG);
}

// The temporary file beside the link must fit the file system's name limit whenever the link's
// own name does (255 bytes here, as Windows allows 255 units per name).
TEST_F(Save, NamesAtTheFileSystemLimit) {
  struct Case {
    const char* what;
    std::u16string stem;
    std::string posixName;
  };
  std::u16string japanese;
  std::string japaneseUtf8;
  for (int i = 0; i < 83; ++i) {
    japanese += u"\u5199";  // 写, three bytes in UTF-8
    japaneseUtf8 += "\xE5\x86\x99";
  }
  const Case cases[] = {
      {"ASCII, 255 bytes", std::u16string(251, u'a'), std::string(251, 'a') + ".lnk"},
      {"Japanese, 253 bytes", japanese, japaneseUtf8 + ".lnk"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(link_.persistFile->Save(Name(c.stem + u".lnk").c_str(), TRUE), S_OK);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{c.posixName});
    ::unlink((folder_.Posix() + "/" + c.posixName).c_str());
  }
}

// A link without write permission is read-only, as Wine reads it: Windows refuses to save over a
// read-only file, even for an administrator, and the rename must not replace it either.
TEST_F(Save, ReadOnlyLinkIsNotReplaced) {
  const std::string posix = folder_.Posix() + "/a.lnk";
  {
    std::ofstream(posix) << "old";
  }
  ASSERT_EQ(::chmod(posix.c_str(), 0444), 0);
  EXPECT_EQ(link_.persistFile->Save(Name(u"a.lnk").c_str(), TRUE),
            HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"a.lnk"});
  const std::vector<uint8_t> bytes = ReadBytes(posix);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
  ::chmod(posix.c_str(), 0644);
}

TEST_F(Save, SavingTwiceReplacesTheFile) {
  const std::u16string name = Name(u"写真.lnk");
  ASSERT_EQ(link_.persistFile->Save(name.c_str(), TRUE), S_OK);
  ASSERT_EQ(link_.shellLink->SetArguments("/e,\"Z:\\other\""), S_OK);
  ASSERT_EQ(link_.persistFile->Save(name.c_str(), TRUE), S_OK);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"写真.lnk"});
  const std::vector<uint8_t> bytes = ReadBytes(folder_.Posix() + "/写真.lnk");
  auto read = layer::shelllink::ReadLinkFile(bytes.data(), bytes.size());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->arguments, u"/e,\"Z:\\other\"");
}

TEST_F(Save, LoadGivesBackWhatWasSaved) {
  ASSERT_EQ(link_.shellLink->SetIconLocation("C:\\Windows\\System32\\shell32.dll", 3), S_OK);
  const std::u16string name = Name(u"a.lnk");
  ASSERT_EQ(link_.persistFile->Save(name.c_str(), TRUE), S_OK);
  EXPECT_EQ(link_.persistFile->IsDirty(), S_FALSE);

  Link loaded = MakeLink();
  ASSERT_EQ(loaded.persistFile->Load(name.c_str(), STGM_READ), S_OK);
  char text[MAX_PATH];
  int index = 0;
  EXPECT_EQ(loaded.shellLink->GetPath(text, MAX_PATH, nullptr, 0), S_OK);
  EXPECT_STREQ(text, "C:\\Windows\\explorer.exe");
  EXPECT_EQ(loaded.shellLink->GetArguments(text, MAX_PATH), S_OK);
  EXPECT_STREQ(text, "/e,\"Z:\\tmp\"");
  EXPECT_EQ(loaded.shellLink->GetIconLocation(text, MAX_PATH, &index), S_OK);
  EXPECT_STREQ(text, "C:\\Windows\\System32\\shell32.dll");
  EXPECT_EQ(index, 3);

  LPOLESTR current = nullptr;
  ASSERT_EQ(loaded.persistFile->GetCurFile(&current), S_OK);
  EXPECT_EQ(std::u16string(current), name);
  CoTaskMemFree(current);
}

TEST_F(Save, LoadOfAMissingOrDamagedFileFailsAndKeepsTheObject) {
  {
    std::ofstream(folder_.Posix() + "/bad.lnk") << "not a link";
  }
  EXPECT_EQ(link_.persistFile->Load(Name(u"none.lnk").c_str(), STGM_READ),
            HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(link_.persistFile->Load(Name(u"bad.lnk").c_str(), STGM_READ), E_FAIL);
  char text[MAX_PATH];
  EXPECT_EQ(link_.shellLink->GetArguments(text, MAX_PATH), S_OK);
  EXPECT_STREQ(text, "/e,\"Z:\\tmp\"");
}

}  // namespace
}  // namespace shelllink_test
