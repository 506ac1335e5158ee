#include "BoxFrame.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef QZ_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window the running manager names itself on, or none without a manager.
xcb_window_t ManagerWindow(xcb_connection_t *c, xcb_window_t root)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, root, Atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0,
                         1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(xcb_window_t))
        return XCB_WINDOW_NONE;
    return *static_cast<xcb_window_t *>(xcb_get_property_value(reply.get()));
}

bool ManagerIsOpenbox(xcb_connection_t *c, xcb_window_t root)
{
    const xcb_window_t manager = ManagerWindow(c, root);
    if (manager == XCB_WINDOW_NONE)
        return false;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, manager, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"), 0,
                         64),
        nullptr));
    if (!reply)
        return false;
    const QByteArray name(static_cast<const char *>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    return name.compare("Openbox", Qt::CaseInsensitive) == 0;
}

// The program's X connection, or none where it does not run on an X server.
xcb_connection_t *XConnection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t RootWindow(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

} // namespace

bool WindowManagerRuns()
{
    xcb_connection_t *c = XConnection();
    return !c || ManagerWindow(c, RootWindow(c)) != XCB_WINDOW_NONE;
}

void AskForCloseButtonOnly(QWidget *box)
{
    xcb_connection_t *c = XConnection();
    if (!c || !ManagerIsOpenbox(c, RootWindow(c)))
        return;
    // The platform window exists from here on; the manager reads the type when it maps it.
    const auto window = xcb_window_t(box->winId());
    const xcb_atom_t toolbar = Atom(c, "_NET_WM_WINDOW_TYPE_TOOLBAR");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom(c, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 1, &toolbar);
    xcb_flush(c);
}

#else

bool WindowManagerRuns()
{
    return true;
}

void AskForCloseButtonOnly(QWidget *)
{
}

#endif
