// The Shell Link object's COM identity, reference counting and members.
#include <gtest/gtest.h>

#include <cstring>

#include "com_fixture.h"
#include "shelllink/shell_link_object.h"
#include "test_support.h"

namespace shelllink_test {
namespace {

using layer::shelllink::LiveObjectCount;

class ShellLinkObject : public ComTest {};

TEST_F(ShellLinkObject, TwoInterfacesShareOneObjectAndOneCount) {
  const long before = LiveObjectCount();
  IShellLinkA* shellLink = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                             reinterpret_cast<void**>(&shellLink)),
            S_OK);
  EXPECT_EQ(LiveObjectCount(), before + 1);
  IPersistFile* persistFile = nullptr;
  ASSERT_EQ(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persistFile)), S_OK);
  IShellLinkA* back = nullptr;
  ASSERT_EQ(persistFile->QueryInterface(IID_IShellLinkA, reinterpret_cast<void**>(&back)), S_OK);
  EXPECT_EQ(back, shellLink);
  IUnknown* identity1 = nullptr;
  IUnknown* identity2 = nullptr;
  shellLink->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity1));
  persistFile->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity2));
  EXPECT_EQ(identity1, identity2);

  EXPECT_EQ(identity2->Release(), 4u);
  EXPECT_EQ(identity1->Release(), 3u);
  EXPECT_EQ(back->Release(), 2u);
  EXPECT_EQ(shellLink->Release(), 1u);
  EXPECT_EQ(LiveObjectCount(), before + 1);  // persistFile still holds it
  EXPECT_EQ(persistFile->Release(), 0u);
  EXPECT_EQ(LiveObjectCount(), before);
}

TEST_F(ShellLinkObject, UnsupportedInterfaceFailsWithNullAndNoObjectLeft) {
  const long before = LiveObjectCount();
  const IID other = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
  void* object = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, other, &object),
            E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(LiveObjectCount(), before);

  Link link = MakeLink();
  object = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(link.shellLink->QueryInterface(other, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  CLSID clsid{};
  EXPECT_EQ(link.persistFile->GetClassID(&clsid), S_OK);
  EXPECT_TRUE(clsid == CLSID_ShellLink);
}

TEST(ShellLinkWithoutCom, CreateNeedsCoInitialize) {
  void* object = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, &object),
            CO_E_NOTINITIALIZED);
  EXPECT_EQ(object, nullptr);
}

TEST_F(ShellLinkObject, SettersKeepTheirOwnCopies) {
  Link link = MakeLink();
  char buffer[64];
  std::strcpy(buffer, "/e,\"Z:\\a\"");
  ASSERT_EQ(link.shellLink->SetArguments(buffer), S_OK);
  std::strcpy(buffer, "C:\\icons.dll");
  ASSERT_EQ(link.shellLink->SetIconLocation(buffer, 3), S_OK);
  std::memset(buffer, 'X', sizeof buffer - 1);
  char text[MAX_PATH];
  int index = -1;
  EXPECT_EQ(link.shellLink->GetArguments(text, MAX_PATH), S_OK);
  EXPECT_STREQ(text, "/e,\"Z:\\a\"");
  EXPECT_EQ(link.shellLink->GetIconLocation(text, MAX_PATH, &index), S_OK);
  EXPECT_STREQ(text, "C:\\icons.dll");
  EXPECT_EQ(index, 3);
  EXPECT_EQ(link.persistFile->IsDirty(), S_OK);
}

TEST_F(ShellLinkObject, GetPathResolvesAsTheStandardMachine) {
  struct Case {
    std::string set;
    DWORD flags;
    std::string expected;
  };
  const Case cases[] = {
      {"explorer.exe", 0, "C:\\Windows\\explorer.exe"},
      {"NOTEPAD", 0, "C:\\Windows\\System32\\notepad.exe"},
      {"%ProgramFiles%\\Internet Explorer\\iexplore.exe", 0, "C:\\Program Files\\Internet Explorer\\iexplore.exe"},
      {"%ProgramFiles%\\Internet Explorer\\iexplore.exe", SLGP_RAWPATH, "%ProgramFiles%\\Internet Explorer\\iexplore.exe"},
      {"%NOSUCH%\\x.exe", 0, "%NOSUCH%\\x.exe"},
      {"unknown.exe", 0, "unknown.exe"},
      {Ansi("C:\\写真\\表示.exe"), 0, Ansi("C:\\写真\\表示.exe")},
  };
  for (const Case& c : cases) {
    Link link = MakeLink();
    ASSERT_EQ(link.shellLink->SetPath(c.set.c_str()), S_OK) << c.set;
    char text[MAX_PATH];
    EXPECT_EQ(link.shellLink->GetPath(text, MAX_PATH, nullptr, c.flags), S_OK);
    EXPECT_EQ(std::string(text), c.expected) << c.set;
  }
}

TEST_F(ShellLinkObject, SmallBuffersAreCutAtACharacterBoundary) {
  Link link = MakeLink();
  ASSERT_EQ(link.shellLink->SetArguments(Ansi("ab写真").c_str()), S_OK);
  char text[5];
  std::memset(text, 'Z', sizeof text);
  EXPECT_EQ(link.shellLink->GetArguments(text, 5), S_OK);
  EXPECT_EQ(std::string(text), Ansi("ab写"));
  EXPECT_EQ(link.shellLink->GetArguments(text, 4), S_OK);
  EXPECT_EQ(std::string(text), "ab");  // half a double-byte character is never left
  EXPECT_EQ(link.shellLink->GetArguments(nullptr, 4), E_INVALIDARG);
  EXPECT_EQ(link.shellLink->GetArguments(text, 0), E_INVALIDARG);
}

TEST_F(ShellLinkObject, BadInputIsRefusedAndKeepsTheOldValue) {
  Link link = MakeLink();
  ASSERT_EQ(link.shellLink->SetIconLocation("C:\\a.dll", 1), S_OK);
  const std::string tooLong = "C:\\" + std::string(257, 'i');
  EXPECT_EQ(link.shellLink->SetIconLocation(tooLong.c_str(), 2), E_INVALIDARG);
  EXPECT_EQ(link.shellLink->SetPath(nullptr), E_INVALIDARG);
  EXPECT_EQ(link.shellLink->SetArguments("\x81"), E_INVALIDARG);  // a lone lead byte
  char text[MAX_PATH];
  int index = 0;
  link.shellLink->GetIconLocation(text, MAX_PATH, &index);
  EXPECT_STREQ(text, "C:\\a.dll");
  EXPECT_EQ(index, 1);
}

TEST_F(ShellLinkObject, UnsupportedMembers) {
  Link link = MakeLink();
  PIDLIST_ABSOLUTE idList = reinterpret_cast<PIDLIST_ABSOLUTE>(0x1);
  EXPECT_EQ(link.shellLink->GetIDList(&idList), E_NOTIMPL);
  EXPECT_EQ(idList, nullptr);
  EXPECT_EQ(link.shellLink->SetIDList(nullptr), E_NOTIMPL);
  EXPECT_EQ(link.shellLink->SetRelativePath("a", 0), E_NOTIMPL);
  EXPECT_EQ(link.shellLink->Resolve(nullptr, 0), E_NOTIMPL);
}

}  // namespace
}  // namespace shelllink_test
