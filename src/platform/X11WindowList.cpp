// X11 window list through xcb: a connection of its own, opened on first use and opened anew after
// the display went away.
#include "X11WindowList.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

template <typename T> struct FreeDeleter
{
    void operator()(T *p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter<T>>;

constexpr int kWmStateIconic = 3;
constexpr int kWmStateNormal = 1;
// WM_HINTS: flags word, and the initial state that counts when its flag is set.
constexpr int kHintsFlags = 0;
constexpr int kHintsInitialState = 2;
constexpr quint32 kStateHint = 1u << 1;
// How deep a reparenting manager may nest the client inside its frame.
constexpr int kMaxFrameDepth = 3;

} // namespace

X11WindowList::X11WindowList(const QByteArray &displayName) : m_displayName(displayName) {}

X11WindowList::~X11WindowList()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool X11WindowList::connected()
{
    if (m_connection && !xcb_connection_has_error(m_connection))
        return true;
    if (m_connection) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
        m_atoms.clear();
    }
    const QByteArray name = m_displayName.isEmpty() ? qgetenv("DISPLAY") : m_displayName;
    if (name.isEmpty())
        return false;
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(name.constData(), &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem) {
        xcb_disconnect(c);
        return false;
    }
    m_connection = c;
    m_root = it.data->root;
    return true;
}

quint32 X11WindowList::atom(const char *name)
{
    const QByteArray key(name);
    auto found = m_atoms.constFind(key);
    if (found != m_atoms.constEnd())
        return *found;
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, key.size(), name), nullptr));
    const quint32 value = reply ? quint32(reply->atom) : quint32(XCB_ATOM_NONE);
    if (value != XCB_ATOM_NONE)
        m_atoms.insert(key, value);
    return value;
}

QByteArray X11WindowList::property(WindowId window, quint32 prop, quint32 *type)
{
    if (prop == XCB_ATOM_NONE)
        return QByteArray();
    // 1 MB of 32-bit units: far above any title, class or window list.
    auto cookie = xcb_get_property(m_connection, 0, window, prop, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 18);
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection, cookie, nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE)
        return QByteArray();
    if (type)
        *type = reply->type;
    const int length = xcb_get_property_value_length(reply.get());
    QByteArray bytes(static_cast<const char *>(xcb_get_property_value(reply.get())), length);
    if (bytes.isNull())
        bytes = QByteArray(""); // present but empty
    return bytes;
}

QList<quint32> X11WindowList::atomOrWindowList(WindowId window, quint32 prop)
{
    const QByteArray bytes = property(window, prop);
    QList<quint32> values;
    for (int i = 0; i + 4 <= bytes.size(); i += 4) {
        quint32 v;
        std::memcpy(&v, bytes.constData() + i, 4);
        values.append(v);
    }
    return values;
}

bool X11WindowList::hasProperty(WindowId window, quint32 prop) { return !property(window, prop).isNull(); }

bool X11WindowList::wmSupports(const char *atomName)
{
    // A manager that has gone away leaves its _NET_SUPPORTED behind; its check window tells.
    const QList<quint32> check = atomOrWindowList(m_root, atom("_NET_SUPPORTING_WM_CHECK"));
    if (check.isEmpty() || !isWindow(check.first()))
        return false;
    return atomOrWindowList(m_root, atom("_NET_SUPPORTED")).contains(atom(atomName));
}

bool X11WindowList::isClientWindow(WindowId window, bool *overrideRedirect)
{
    Reply<xcb_get_window_attributes_reply_t> attrs(
        xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    *overrideRedirect = attrs && attrs->override_redirect;
    return attrs && !attrs->override_redirect && hasProperty(window, XCB_ATOM_WM_CLASS);
}

WindowId X11WindowList::clientInside(WindowId frame, int depth)
{
    if (depth > kMaxFrameDepth)
        return 0;
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, frame), nullptr));
    if (!tree)
        return 0;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = count - 1; i >= 0; --i) {
        if (hasProperty(children[i], atom("WM_STATE")))
            return children[i];
        if (WindowId inner = clientInside(children[i], depth + 1))
            return inner;
    }
    return 0;
}

QList<WindowId> X11WindowList::windowsFromTree()
{
    QList<WindowId> result;
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr));
    if (!tree)
        return result;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    // The tree lists bottom to top; the search wants the topmost first.
    for (int i = count - 1; i >= 0; --i) {
        bool overrideRedirect = false;
        if (isClientWindow(children[i], &overrideRedirect)) {
            result.append(children[i]);
        } else if (!overrideRedirect) {
            const WindowId client = clientInside(children[i], 1);
            if (client && hasProperty(client, XCB_ATOM_WM_CLASS))
                result.append(client);
        }
    }
    return result;
}

QList<WindowId> X11WindowList::windows()
{
    QList<WindowId> result;
    if (!connected())
        return result;
    if (wmSupports("_NET_CLIENT_LIST_STACKING")) {
        const QList<quint32> stacking = atomOrWindowList(m_root, atom("_NET_CLIENT_LIST_STACKING"));
        for (auto it = stacking.crbegin(); it != stacking.crend(); ++it) {
            bool overrideRedirect = false;
            if (isClientWindow(*it, &overrideRedirect))
                result.append(*it);
        }
    } else {
        result = windowsFromTree();
    }
    finish();
    return result;
}

bool X11WindowList::isWindow(WindowId window)
{
    if (window == 0 || !connected())
        return false;
    Reply<xcb_get_window_attributes_reply_t> attrs(
        xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    return attrs != nullptr;
}

int X11WindowList::wmState(WindowId window)
{
    const QList<quint32> state = atomOrWindowList(window, atom("WM_STATE"));
    return state.isEmpty() ? -1 : int(state.first());
}

bool X11WindowList::hasNetState(WindowId window, const char *stateName)
{
    return atomOrWindowList(window, atom("_NET_WM_STATE")).contains(atom(stateName));
}

bool X11WindowList::isVisible(WindowId window)
{
    if (window == 0 || !connected())
        return false;
    Reply<xcb_get_window_attributes_reply_t> attrs(
        xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    if (!attrs)
        return false;
    // A manager unmaps an iconic window; it still counts as shown.
    return attrs->map_state != XCB_MAP_STATE_UNMAPPED || wmState(window) == kWmStateIconic;
}

QString X11WindowList::className(WindowId window)
{
    if (window == 0 || !connected())
        return QString();
    // WM_CLASS holds the instance name and then the class name, each ended by a NUL.
    const QList<QByteArray> parts = property(window, XCB_ATOM_WM_CLASS).split('\0');
    if (parts.size() >= 2 && !parts.at(1).isEmpty())
        return QString::fromLocal8Bit(parts.at(1));
    return parts.isEmpty() ? QString() : QString::fromLocal8Bit(parts.first());
}

QString X11WindowList::title(WindowId window)
{
    if (window == 0 || !connected())
        return QString();
    quint32 type = 0;
    const QByteArray netName = property(window, atom("_NET_WM_NAME"), &type);
    if (!netName.isNull() && type == atom("UTF8_STRING"))
        return QString::fromUtf8(netName);
    const QByteArray name = property(window, XCB_ATOM_WM_NAME, &type);
    if (name.isNull())
        return QString();
    return type == atom("UTF8_STRING") ? QString::fromUtf8(name) : QString::fromLatin1(name);
}

bool X11WindowList::isMinimized(WindowId window)
{
    if (window == 0 || !connected())
        return false;
    if (hasNetState(window, "_NET_WM_STATE_HIDDEN"))
        return true;
    const int state = wmState(window);
    if (state >= 0)
        return state == kWmStateIconic;
    // Unmanaged (no window manager): the window stays mapped and only its hints say iconic.
    const QList<quint32> hints = atomOrWindowList(window, XCB_ATOM_WM_HINTS);
    return hints.size() > kHintsInitialState && (hints.at(kHintsFlags) & kStateHint) &&
           hints.at(kHintsInitialState) == kWmStateIconic;
}

void X11WindowList::restoreUnmanaged(WindowId window)
{
    QList<quint32> hints = atomOrWindowList(window, XCB_ATOM_WM_HINTS);
    if (hints.size() > kHintsInitialState && (hints.at(kHintsFlags) & kStateHint)) {
        hints[kHintsInitialState] = kWmStateNormal;
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                            hints.size(), hints.constData());
    }
    QList<quint32> states = atomOrWindowList(window, atom("_NET_WM_STATE"));
    if (states.removeAll(atom("_NET_WM_STATE_HIDDEN")) > 0) {
        // Rewritten, never deleted: toolkits ignore a deleted state property.
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                            states.size(), states.constData());
    }
    // The toolkit re-reads its state when WM_STATE changes; a normal state is announced and, where
    // no manager had set one, taken away again so the window stays unmanaged.
    const bool hadWmState = wmState(window) >= 0;
    const quint32 normal[2] = {kWmStateNormal, XCB_WINDOW_NONE};
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, atom("WM_STATE"), atom("WM_STATE"), 32, 2,
                        normal);
    if (!hadWmState)
        xcb_delete_property(m_connection, window, atom("WM_STATE"));
}

void X11WindowList::sendRootMessage(WindowId window, quint32 type, const quint32 (&data)[5])
{
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::memcpy(event.data.data32, data, sizeof data);
    xcb_send_event(m_connection, 0, m_root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

bool X11WindowList::restore(WindowId window)
{
    if (!isWindow(window))
        return false;
    if (wmSupports("_NET_ACTIVE_WINDOW")) {
        // Source 2: a pager acting for the user, which managers honour without focus-stealing checks.
        sendRootMessage(window, atom("_NET_ACTIVE_WINDOW"), {2, XCB_CURRENT_TIME, 0, 0, 0});
    } else {
        restoreUnmanaged(window);
    }
    xcb_map_window(m_connection, window);
    finish();
    return true;
}

bool X11WindowList::activate(WindowId window)
{
    if (!isWindow(window))
        return false;
    if (wmSupports("_NET_ACTIVE_WINDOW")) {
        sendRootMessage(window, atom("_NET_ACTIVE_WINDOW"), {2, XCB_CURRENT_TIME, 0, 0, 0});
    } else {
        const quint32 above = XCB_STACK_MODE_ABOVE;
        xcb_map_window(m_connection, window);
        xcb_configure_window(m_connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        Reply<xcb_get_window_attributes_reply_t> attrs(
            xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
        if (attrs && attrs->map_state == XCB_MAP_STATE_VIEWABLE)
            xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    }
    finish();
    return true;
}

void X11WindowList::finish()
{
    xcb_flush(m_connection);
    // Errors of requests without a reply arrive as events; nobody waits for them here.
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
        std::free(event);
}

} // namespace platform
