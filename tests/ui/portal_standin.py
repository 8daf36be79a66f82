"""python3-dbusmock template: xdg-desktop-portal's Inhibit interface. Each request gets an object
named by its handle_token, with the Close method that ends it."""
import dbus  # noqa: F401, used by the method's code

BUS_NAME = "org.freedesktop.portal.Desktop"
MAIN_OBJ = "/org/freedesktop/portal/desktop"
MAIN_IFACE = "org.freedesktop.portal.Inhibit"
SYSTEM_BUS = False


def load(mock, _parameters):
    mock.AddMethod(
        MAIN_IFACE, "Inhibit", "sua{sv}", "o",
        "path = '/org/freedesktop/portal/desktop/request/farb/' + args[2]['handle_token']\n"
        "self.AddObject(path, 'org.freedesktop.portal.Request', {}, [('Close', '', '', '')])\n"
        "ret = dbus.ObjectPath(path)")
