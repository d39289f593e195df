// SPDX-License-Identifier: MIT
#include "Window_Frame.h"

#include <QGuiApplication>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#ifdef TESSALY_HAS_XCB
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <vector>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef TESSALY_HAS_XCB

const char* const Answer_Property = "tessaly_window_manager_frame";

template <typename Reply> using Reply_Pointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Reply_Pointer<Reply> Owned(Reply* reply) {
    return Reply_Pointer<Reply>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto reply = Owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit items of a window property, or nothing when it is not set.
std::optional<std::vector<std::uint32_t>>
Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
    const auto reply = Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr));
    if (!reply || reply->type != type || reply->format != 32)
        return std::nullopt;
    const auto* items = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(items,
                                      items + xcb_get_property_value_length(reply.get()) / 4);
}

// A running EWMH window manager names its check window on the root window
// and on that window itself; a stale name left by one that exited does not
// point back.
bool Window_Manager_Offers_Frame_Requests(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const auto on_root = Property(connection, root, check, XCB_ATOM_WINDOW);
    if (!on_root || on_root->empty())
        return false;
    const auto on_itself = Property(connection, on_root->front(), check, XCB_ATOM_WINDOW);
    if (!on_itself || on_itself->empty() || on_itself->front() != on_root->front())
        return false;
    const auto supported =
        Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    return supported &&
           std::find(supported->begin(), supported->end(), request) != supported->end();
}

// An unmapped stand-in for the window, of its size and with all its
// properties (type, decorations, size hints), so that the window manager
// gives it the same frame. The manager may answer a frame request with a
// configure notice for the window it was asked about; sent to the real
// window, that stale notice would undo a size set after the question.
xcb_window_t Stand_In(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window) {
    const auto geometry =
        Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    const xcb_window_t stand_in = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, stand_in, root, 0, 0,
                      geometry ? geometry->width : 1, geometry ? geometry->height : 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    const auto properties = Owned(
        xcb_list_properties_reply(connection, xcb_list_properties(connection, window), nullptr));
    if (!properties)
        return stand_in;
    const xcb_atom_t* names = xcb_list_properties_atoms(properties.get());
    for (int i = 0; i < xcb_list_properties_atoms_length(properties.get()); ++i) {
        const auto value =
            Owned(xcb_get_property_reply(connection,
                                         xcb_get_property(connection, 0, window, names[i],
                                                          XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16),
                                         nullptr));
        if (value && value->format != 0)
            xcb_change_property(
                connection, XCB_PROP_MODE_REPLACE, stand_in, names[i], value->type, value->format,
                std::uint32_t(xcb_get_property_value_length(value.get()) * 8 / value->format),
                xcb_get_property_value(value.get()));
    }
    return stand_in;
}

// Asks the window manager for the frame it will give the (unmapped) window,
// and waits briefly for its answer in _NET_FRAME_EXTENTS.
QMargins Requested_Frame_Extents(xcb_window_t window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    const auto tree =
        Owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree || !Window_Manager_Offers_Frame_Requests(connection, tree->root))
        return {};

    const xcb_window_t stand_in = Stand_In(connection, tree->root, window);
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = stand_in;
    request.type = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, 0, tree->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);

    // A window manager answers within a few milliseconds; one that does not
    // answer at all must not hold up the window for long.
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    QMargins frame;
    for (int attempt = 0; attempt < 50; ++attempt) {
        const auto answer = Property(connection, stand_in, extents, XCB_ATOM_CARDINAL);
        if (answer && answer->size() == 4) {
            const auto& side = *answer; // left, right, top, bottom
            frame = QMargins(int(side[0]), int(side[2]), int(side[1]), int(side[3]));
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
    }
    xcb_destroy_window(connection, stand_in);
    xcb_flush(connection);
    return frame;
}

#endif

} // namespace

QMargins Expected_Frame_Margins(QWidget& window) {
    window.winId();
    const QWindow* native = window.windowHandle();
    if (!native)
        return {};
    // The widget counts as visible already in its show event; its native
    // window is mapped only after that, and only then has a frame.
    const QMargins reported = native->frameMargins();
    if (native->isVisible() || !reported.isNull())
        return reported;
#ifdef TESSALY_HAS_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // An answer takes some 6 ms and holds until the window is shown; the
        // ASCII table asks twice before that, for its size and its place.
        const QVariant kept = window.property(Answer_Property);
        if (kept.isValid())
            return kept.value<QMargins>();
        const QMargins answer = Requested_Frame_Extents(xcb_window_t(native->winId()));
        window.setProperty(Answer_Property, QVariant::fromValue(answer));
        return answer;
    }
#endif
    return reported;
}
