// Identifiers of the main dialog's resources and items.
#pragma once

enum : int {
  kMainDialogId = 129,
  kMainIconId = 107,

  kTargetDirectoryField = 1000,
  kSaveDirectoryField = 1001,
  kUrlShortcutButton = 1003,
  kHomeButton = 1004,
  kBackButton = 1005,
  kForwardButton = 1006,
  kAddressField = 1007,
  kGoButton = 1008,
  kClipboardGoButton = 1009,
};
