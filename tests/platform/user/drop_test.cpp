// File drops through Qt's own drag events: which window gets WM_DROPFILES, and what the drop
// handle holds.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <string>

#include "dialog_fixture.h"

namespace layer::user::testing {
namespace {

struct Received {
  HWND window;
  UINT count;
  std::vector<std::string> paths;  // "" where the drop yields nothing
};

std::vector<Received>& Drops() {
  static std::vector<Received> drops;
  return drops;
}

WNDPROC& FieldProc() {
  static WNDPROC proc;
  return proc;
}

// The drop handle is only valid while the message is handled: read it all there.
void Record(HWND window, WPARAM wParam) {
  HDROP drop = reinterpret_cast<HDROP>(wParam);
  Received received{window, DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), {}};
  for (UINT i = 0; i < received.count; ++i) {
    char path[MAX_PATH] = {};
    UINT length = DragQueryFileA(drop, i, path, MAX_PATH);
    received.paths.push_back(std::string(path, length));
  }
  Drops().push_back(received);
}

LRESULT CALLBACK FieldDropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DROPFILES) Record(window, wParam);
  return CallWindowProcA(FieldProc(), window, message, wParam, lParam);
}

std::string WindowsPath(const QString& posix) {
  return "Z:" + QDir::toNativeSeparators(posix).replace('/', '\\').toStdString();
}

class DropTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    Drops().clear();
    ASSERT_TRUE(folder_.isValid());
    ASSERT_TRUE(QDir(folder_.path()).mkdir("dir"));
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
      QFile file(folder_.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    Recorded().hook = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
      if (message == WM_DROPFILES) Record(dialog, wParam);
      return message == WM_INITDIALOG;
    };
    ASSERT_NE(Create(), nullptr);
    FieldProc() = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Item(1000), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldDropProc)));
    Show();
  }

  QString Path(const char* name) const { return folder_.filePath(name); }

  QTemporaryDir folder_;
};

TEST_F(DropTest, DeliveredToTheInnermostWindowThatAcceptsFiles) {
  struct Case {
    const char* where;
    int item;     // 0: the dialog's own surface
    int receiver;  // 1000 or 0 for the dialog
  };
  const Case cases[] = {
      {"target field", 1000, 1000},   {"save field", 1001, 0}, {"address field", 1007, 0},
      {"button", 1003, 0},            {"label", -1, 0},        {"dialog surface", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    Drops().clear();
    SetDlgItemTextA(dialog(), 1007, "typed");
    QPoint point = c.item ? CentreOf(Item(c.item)) : QPoint(400, 300);
    ASSERT_TRUE(DropFiles(dialog(), point, {Path("dir")}));
    ASSERT_EQ(Drops().size(), 1u);
    EXPECT_EQ(Drops()[0].window, c.receiver ? Item(c.receiver) : dialog());
    EXPECT_EQ(Drops()[0].count, 1u);
    EXPECT_EQ(Drops()[0].paths, (std::vector<std::string>{WindowsPath(Path("dir"))}));
    char text[16] = {};
    GetDlgItemTextA(dialog(), 1007, text, sizeof text);
    EXPECT_STREQ(text, "typed") << "no field inserts the dropped text";
  }
}

TEST_F(DropTest, SeveralFilesKeepTheirOrder) {
  ASSERT_TRUE(DropFiles(dialog(), CentreOf(Item(1001)), {Path("b.txt"), Path("a.txt"), Path("c.txt")}));
  ASSERT_EQ(Drops().size(), 1u);
  EXPECT_EQ(Drops()[0].count, 3u);
  EXPECT_EQ(Drops()[0].paths, (std::vector<std::string>{WindowsPath(Path("b.txt")), WindowsPath(Path("a.txt")),
                                                        WindowsPath(Path("c.txt"))}));
}

TEST_F(DropTest, PathCodePage932CannotHoldYieldsNothing) {
  QString snowman = Path("dir") + QStringLiteral(u"/雪☃");
  ASSERT_TRUE(QDir().mkdir(snowman));
  ASSERT_TRUE(DropFiles(dialog(), CentreOf(Item(1000)), {snowman}));
  ASSERT_EQ(Drops().size(), 1u);
  EXPECT_EQ(Drops()[0].count, 1u);
  EXPECT_EQ(Drops()[0].paths, (std::vector<std::string>{""}));
}

TEST_F(DropTest, WithoutAcceptFilesTheDialogRefusesButTheFieldStillTakes) {
  SetWindowLongA(dialog(), GWL_EXSTYLE, 0);
  EXPECT_FALSE(DropFiles(dialog(), CentreOf(Item(1001)), {Path("dir")}));
  EXPECT_TRUE(Drops().empty());
  EXPECT_TRUE(DropFiles(dialog(), CentreOf(Item(1000)), {Path("dir")}));
  ASSERT_EQ(Drops().size(), 1u);
  EXPECT_EQ(Drops()[0].window, Item(1000));
}

}  // namespace
}  // namespace layer::user::testing
