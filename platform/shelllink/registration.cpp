// The Shell Link class and its interface identifiers. CLSID_ShellLink lives here on purpose:
// any program that names it links this file, whose initialiser registers the class.
#include "com/class_table.h"
#include "shelllink/shell_link_object.h"
#include "shelllink/shelllink.h"

extern const CLSID CLSID_ShellLink = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
extern const IID IID_IShellLinkA = {
    0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
extern const IID IID_IPersist = {
    0x0000010C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
extern const IID IID_IPersistFile = {
    0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace layer::shelllink {

void RegisterShellLinkClass() { layer::com::RegisterClass(CLSID_ShellLink, &CreateShellLink); }

namespace {
const bool gRegistered = (RegisterShellLinkClass(), true);
}  // namespace

}  // namespace layer::shelllink
