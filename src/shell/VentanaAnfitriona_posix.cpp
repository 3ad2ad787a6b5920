#include "shell/VentanaAnfitriona.h"

#include <QGuiApplication>

#include <cstdlib>
#include <xcb/xcb.h>

namespace molvaren::ventanas {

bool ExisteVentanaAnfitriona(quintptr ventana)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return true;
    xcb_connection_t* conexion = x11->connection();
    xcb_generic_error_t* error = nullptr;
    xcb_get_window_attributes_reply_t* respuesta = xcb_get_window_attributes_reply(
        conexion, xcb_get_window_attributes(conexion, static_cast<xcb_window_t>(ventana)), &error);
    bool existe = respuesta != nullptr;
    std::free(respuesta);
    std::free(error);
    return existe;
}

} // namespace molvaren::ventanas
