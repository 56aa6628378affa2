#include "qt/keyboard_layout.h"

#include <xcb/xcb.h>
// The XKB header names a member "explicit", a C++ keyword: rename it while it is read.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "ui/toolkit.h"

namespace rc {
namespace {

constexpr int kMaxGroups = 4;  // XKB knows at most four groups

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Whether the XKB group name is one of the layout: "Russian" and its variants
// "Russian (phonetic)" ...; "English (US)" and its variants "English (US, intl., ...)".
bool GroupHolds(const std::string& name, std::uint32_t layout) {
  if (layout == kRussianLayout) return StartsWith(name, "Russian");
  if (layout == kEnglishUsLayout) return name == "English (US)" || StartsWith(name, "English (US,");
  return false;
}

// Qt's connection to the X server, with XKB ready on it; nullptr off X11.
xcb_connection_t* XkbConnection() {
  auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  auto* x11 = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection || xcb_connection_has_error(connection)) return nullptr;
  Reply<xcb_xkb_use_extension_reply_t> use(xcb_xkb_use_extension_reply(
      connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
      nullptr));
  return use && use->supported ? connection : nullptr;
}

std::string AtomName(xcb_connection_t* connection, xcb_atom_t atom) {
  if (atom == XCB_ATOM_NONE) return {};
  Reply<xcb_get_atom_name_reply_t> reply(
      xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atom), nullptr));
  if (!reply) return {};
  return std::string(xcb_get_atom_name_name(reply.get()),
                     static_cast<std::size_t>(xcb_get_atom_name_name_length(reply.get())));
}

}  // namespace

std::optional<int> GroupForLayout(const std::vector<std::string>& groupNames, std::uint32_t layout) {
  for (std::size_t group = 0; group < groupNames.size(); ++group) {
    if (GroupHolds(groupNames[group], layout)) return static_cast<int>(group);
  }
  return std::nullopt;
}

std::vector<std::string> KeyboardGroupNames() {
  xcb_connection_t* connection = XkbConnection();
  if (!connection) return {};
  Reply<xcb_xkb_get_names_reply_t> names(xcb_xkb_get_names_reply(
      connection,
      xcb_xkb_get_names(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_NAME_DETAIL_GROUP_NAMES),
      nullptr));
  if (!names) return {};
  xcb_xkb_get_names_value_list_t list{};
  xcb_xkb_get_names_value_list_unpack(xcb_xkb_get_names_value_list(names.get()), names->nTypes,
                                      names->indicators, names->virtualMods, names->groupNames,
                                      names->nKeys, names->nKeyAliases, names->nRadioGroups,
                                      names->which, &list);
  // One atom for each group named, in the order of the groups.
  const int atoms = xcb_xkb_get_names_value_list_groups_length(names.get(), &list);
  std::vector<std::string> result;
  int next = 0;
  for (std::size_t group = 0; group < std::size_t{kMaxGroups} && next < atoms; ++group) {
    if (names->groupNames & (1u << group)) {
      result.resize(group + 1);  // a group without a name stays ""
      result[group] = AtomName(connection, list.groups[next++]);
    }
  }
  return result;
}

std::optional<int> CurrentKeyboardGroup() {
  xcb_connection_t* connection = XkbConnection();
  if (!connection) return std::nullopt;
  Reply<xcb_xkb_get_state_reply_t> state(xcb_xkb_get_state_reply(
      connection, xcb_xkb_get_state(connection, XCB_XKB_ID_USE_CORE_KBD), nullptr));
  if (!state) return std::nullopt;
  return static_cast<int>(state->group);
}

bool LockKeyboardGroup(int group) {
  if (group < 0 || group >= kMaxGroups) return false;
  xcb_connection_t* connection = XkbConnection();
  if (!connection) return false;
  xcb_xkb_latch_lock_state(connection, XCB_XKB_ID_USE_CORE_KBD, 0, 0, 1,
                           static_cast<std::uint8_t>(group), 0, 0, 0);
  xcb_flush(connection);
  return true;
}

bool SwitchKeyboardLayout(std::uint32_t layout) {
  const std::optional<int> group = GroupForLayout(KeyboardGroupNames(), layout);
  return group && LockKeyboardGroup(*group);
}

}  // namespace rc
