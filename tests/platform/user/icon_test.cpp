// Icon 107 from the program's resources and the class icon.
#include <QIcon>

#include "dialog_fixture.h"
#include "user/resources.h"

namespace layer::user::testing {
namespace {

TEST(LoadIcon, ProgramIconHasA32And16PixelImage) {
  HICON icon = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(107));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(107)), icon) << "shared, as Windows shares it";
  const std::vector<QImage>& images = IconImages(icon);
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].size(), QSize(32, 32));
  EXPECT_EQ(images[1].size(), QSize(16, 16));
  const QImage& large = images[0];
  EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0) << "the mask leaves the corner transparent";
  EXPECT_EQ(large.pixel(20, 15), qRgb(255, 255, 0)) << "the folder";
  EXPECT_EQ(large.pixel(0, 31), qRgb(0, 0, 0)) << "the border of the shortcut arrow's box";
  EXPECT_EQ(large.pixel(7, 23), qRgb(0, 0, 255)) << "the arrow";
}

TEST(LoadIcon, MissingIconsGiveNull) {
  EXPECT_EQ(LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(108)), nullptr);
  EXPECT_EQ(LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(129)), nullptr) << "a dialog is no icon";
  static const unsigned char kEmpty[] = {0};
  EXPECT_EQ(LoadIconA(RegisterModuleResources(kEmpty, 0), MAKEINTRESOURCEA(107)), nullptr);
}

TEST_F(DialogTest, ClassIconIsTheWindowIconOfEveryDialog) {
  ASSERT_NE(Create(), nullptr);
  HICON icon = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(107));
  ULONG_PTR previous = SetClassLongPtrA(dialog(), GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
  EXPECT_EQ(GetClassLongPtrA(dialog(), GCLP_HICON), reinterpret_cast<ULONG_PTR>(icon));
  QList<QSize> sizes = WidgetOf(dialog())->windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  // A dialog made later has the class icon from the start.
  UniqueWindow second(CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(129), nullptr, RecordingProc, 0));
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(WidgetOf(second.get())->windowIcon().isNull());
  SetClassLongPtrA(dialog(), GCLP_HICON, static_cast<LONG_PTR>(previous));
}

}  // namespace
}  // namespace layer::user::testing
