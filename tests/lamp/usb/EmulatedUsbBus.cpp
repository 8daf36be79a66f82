#include "EmulatedUsbBus.h"

#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <umockdev.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <stdexcept>

namespace farb::testing {

namespace {

constexpr int kBus = 1;
constexpr unsigned char kBulkIn = 0x81;
constexpr unsigned char kBulkOut = 0x02;

// FT232R: 0403:6001, bcdDevice 6.00, one configuration with one vendor interface and its two
// 64-byte bulk endpoints.
std::string DescriptorsHex(bool withSerial) {
    return std::string("12010002000000080304016000060102") + (withSerial ? "03" : "00") + "01" +
           "09022000010100802d" + "0904000002ffffff02" + "07058102400000" + "07050202400000";
}

std::string Hex(const std::string& text) {
    std::string hex;
    char byte[3];
    for (const unsigned char c : text) {
        std::snprintf(byte, sizeof byte, "%02x", c);
        hex += byte;
    }
    return hex;
}

}  // namespace

struct EmulatedUsbBus::Device {
    Device(LampKind kind, Ft232rLamp::Strings strings, EmulatedClock& clock, int port)
        : chip(kind, std::move(strings), clock), port(port) {}

    struct Completed {
        UMockdevIoctlData* urb;
        std::vector<std::uint8_t> data;
        std::size_t offset;
        int status;
    };

    Ft232rLamp chip;
    int port;
    int deviceNumber = 0;
    UMockdevIoctlBase* handler = nullptr;
    std::mutex mutex;
    std::deque<Completed> completed;
    bool gone = false;
    bool interfaceHeld = false;
    bool claimed = false;
    std::size_t dropAfterHeard = 0;

    std::string Node() const {
        char node[32];
        std::snprintf(node, sizeof node, "/dev/bus/usb/%03d/%03d", kBus, deviceNumber);
        return node;
    }
    std::string SysfsName() const { return std::to_string(kBus) + "-" + std::to_string(port); }
    std::string SysPath() const { return "/sys/devices/usb1/" + SysfsName(); }

    static gboolean OnIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        auto& device = *static_cast<Device*>(self);
        std::lock_guard lock(device.mutex);
        device.Serve(client);
        return TRUE;
    }

    void Serve(UMockdevIoctlClient* client) {
        const unsigned long request = umockdev_ioctl_client_get_request(client);
        UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
        // Like the kernel, a device that is gone still gives up the URBs it completed.
        const bool reap = request == USBDEVFS_REAPURB || request == USBDEVFS_REAPURBNDELAY;
        if (gone && !(reap && !completed.empty())) {
            Finish(client, ENODEV);
            return;
        }
        switch (request) {
            case USBDEVFS_GET_CAPABILITIES: {
                g_autoptr(UMockdevIoctlData) caps =
                    umockdev_ioctl_data_resolve(arg, 0, sizeof(guint32), nullptr);
                *reinterpret_cast<guint32*>(caps->data) = USBDEVFS_CAP_BULK_CONTINUATION |
                                                          USBDEVFS_CAP_NO_PACKET_SIZE_LIM |
                                                          USBDEVFS_CAP_REAP_AFTER_DISCONNECT;
                umockdev_ioctl_client_complete(client, 0, 0);
                return;
            }
            case USBDEVFS_CLAIMINTERFACE:
                Finish(client, interfaceHeld ? EBUSY : 0);
                claimed = claimed || !interfaceHeld;
                return;
            case USBDEVFS_RELEASEINTERFACE:
                claimed = false;
                Finish(client, 0);
                return;
            case USBDEVFS_IOCTL:  // detaching the kernel driver: none is bound
                Finish(client, ENODATA);
                return;
            case USBDEVFS_SUBMITURB:
                Submit(client, arg);
                return;
            case USBDEVFS_REAPURB:
            case USBDEVFS_REAPURBNDELAY:
                Reap(client, arg);
                return;
            case USBDEVFS_DISCARDURB:  // every URB completes at once, so none is left to cancel
                Finish(client, EINVAL);
                return;
            default:
                Finish(client, ENOTTY);
                return;
        }
    }

    static void Finish(UMockdevIoctlClient* client, int error) {
        umockdev_ioctl_client_complete(client, error ? -1 : 0, error);
    }

    void Submit(UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
        g_autoptr(UMockdevIoctlData) urbData =
            umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_urb), nullptr);
        auto* urb = reinterpret_cast<usbdevfs_urb*>(urbData->data);
        g_autoptr(UMockdevIoctlData) buffer =
            umockdev_ioctl_data_resolve(urbData, offsetof(usbdevfs_urb, buffer),
                                        static_cast<gsize>(urb->buffer_length), nullptr);
        const std::span<const std::uint8_t> bytes(
            buffer ? buffer->data : nullptr,
            buffer ? static_cast<std::size_t>(buffer->data_len) : 0);
        Completed done{umockdev_ioctl_data_ref(urbData), {}, 0, 0};
        if (urb->type == USBDEVFS_URB_TYPE_CONTROL && bytes.size() >= 8) {
            const auto answer = chip.Control(bytes.first<8>());
            done.offset = 8;
            if (answer) {
                const std::size_t wanted = bytes[6] | bytes[7] << 8;
                done.data.assign(answer->begin(),
                                 answer->begin() + std::min(wanted, answer->size()));
            } else {
                done.status = -EPIPE;
            }
        } else if (urb->type == USBDEVFS_URB_TYPE_BULK && urb->endpoint == kBulkOut) {
            chip.BulkOut(bytes);
            done.data.resize(bytes.size());  // only the length counts for an OUT transfer
            gone = dropAfterHeard != 0 && chip.Heard().size() >= dropAfterHeard;
        } else if (urb->type == USBDEVFS_URB_TYPE_BULK && urb->endpoint == kBulkIn) {
            done.data = chip.BulkIn(bytes.size());
        } else {
            umockdev_ioctl_data_unref(done.urb);
            Finish(client, EINVAL);
            return;
        }
        completed.push_back(std::move(done));
        Finish(client, 0);
    }

    void Reap(UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
        if (completed.empty()) {
            Finish(client, EAGAIN);
            return;
        }
        Completed done = std::move(completed.front());
        completed.pop_front();
        auto* urb = reinterpret_cast<usbdevfs_urb*>(done.urb->data);
        urb->status = done.status;
        urb->actual_length = static_cast<int>(done.data.size());
        const bool in = urb->type == USBDEVFS_URB_TYPE_CONTROL || (urb->endpoint & 0x80);
        if (in && !done.data.empty()) {
            std::memcpy(static_cast<std::uint8_t*>(urb->buffer) + done.offset, done.data.data(),
                        done.data.size());
        }
        g_autoptr(UMockdevIoctlData) pointer =
            umockdev_ioctl_data_resolve(arg, 0, sizeof(void*), nullptr);
        umockdev_ioctl_data_set_ptr(pointer, 0, done.urb);
        umockdev_ioctl_data_unref(done.urb);
        Finish(client, 0);
    }
};

EmulatedUsbBus::EmulatedUsbBus() : testbed_(umockdev_testbed_new()) {
    gchar* root = umockdev_testbed_get_root_dir(testbed_);
    rootDir_ = root;
    g_free(root);
}

EmulatedUsbBus::~EmulatedUsbBus() {
    for (auto& device : devices_) {
        if (device->handler) {
            umockdev_testbed_detach_ioctl(testbed_, device->Node().c_str(), nullptr);
            g_object_unref(device->handler);
        }
        for (auto& done : device->completed) {
            umockdev_ioctl_data_unref(done.urb);
        }
    }
    g_object_unref(testbed_);
}

int EmulatedUsbBus::Plug(LampKind kind, Ft232rLamp::Strings strings) {
    const int port = static_cast<int>(devices_.size()) + 1;
    devices_.push_back(std::make_unique<Device>(kind, std::move(strings), clock, port));
    AddToTestbed(*devices_.back());
    return port - 1;
}

// The node answers before the kernel announces the device, so that libusb never meets a node
// without a handler.
void EmulatedUsbBus::AddToTestbed(Device& device) {
    device.deviceNumber = nextDeviceNumber_++;
    device.gone = false;
    device.handler = umockdev_ioctl_base_new();
    g_signal_connect(device.handler, "handle-ioctl", G_CALLBACK(Device::OnIoctl), &device);
    umockdev_testbed_attach_ioctl(testbed_, device.Node().c_str(), device.handler, nullptr);

    const Ft232rLamp::Strings& strings = device.chip.EepromStrings();
    std::string record =
        "P: /devices/usb1/" + device.SysfsName() + "\n" + "N: " + device.Node().substr(5) + "\n" +
        "E: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DRIVER=usb\n" +
        "E: BUSNUM=001\nE: DEVNUM=" + device.Node().substr(17) + "\n" +
        "E: DEVNAME=" + device.Node() + "\n" + "E: ID_VENDOR_ID=0403\nE: ID_MODEL_ID=6001\n" +
        "A: idVendor=0403\\n\nA: idProduct=6001\\n\nA: bcdDevice=0600\\n\n" +
        "A: busnum=" + std::to_string(kBus) + "\\n\n" +
        "A: devnum=" + std::to_string(device.deviceNumber) + "\\n\n" +
        "A: speed=12\\n\nA: bConfigurationValue=1\\n\nA: bNumInterfaces= 1\\n\n" +
        "A: manufacturer=FTDI\\n\n" + "H: product=" + Hex(strings.product + "\n") + "\n";
    if (strings.serial) {
        record += "H: serial=" + Hex(*strings.serial + "\n") + "\n";
    }
    record +=
        "A: power/control=auto\\n\nH: descriptors=" + DescriptorsHex(strings.serial.has_value()) +
        "\n";
    GError* error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed_, record.c_str(), &error)) {
        const std::string message = error ? error->message : "unknown";
        g_clear_error(&error);
        throw std::runtime_error("umockdev: " + message);
    }
}

void EmulatedUsbBus::Unplug(int lamp) {
    Device& device = *devices_.at(lamp);
    {
        std::lock_guard lock(device.mutex);
        device.gone = true;
    }
    umockdev_testbed_uevent(testbed_, device.SysPath().c_str(), "remove");
    umockdev_testbed_remove_device(testbed_, device.SysPath().c_str());
    umockdev_testbed_detach_ioctl(testbed_, device.Node().c_str(), nullptr);
    g_clear_object(&device.handler);
}

void EmulatedUsbBus::Replug(int lamp) {
    AddToTestbed(*devices_.at(lamp));
}

void EmulatedUsbBus::DropOffAfterHeard(int lamp, std::size_t bytes) {
    Device& device = *devices_.at(lamp);
    std::lock_guard lock(device.mutex);
    device.dropAfterHeard = bytes;
}

void EmulatedUsbBus::DenyAccess(int lamp) {
    ::chmod((rootDir_ + DeviceNode(lamp)).c_str(), 0);
}

void EmulatedUsbBus::HoldInterface(int lamp) {
    Device& device = *devices_.at(lamp);
    std::lock_guard lock(device.mutex);
    device.interfaceHeld = true;
}

Ft232rLamp& EmulatedUsbBus::Lamp(int lamp) {
    return devices_.at(lamp)->chip;
}

std::string EmulatedUsbBus::DeviceNode(int lamp) const {
    return devices_.at(lamp)->Node();
}

int EmulatedUsbBus::OpenDescriptors(int lamp) const {
    const std::filesystem::path node = rootDir_ + DeviceNode(lamp);
    int open = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        std::error_code linkError;
        if (std::filesystem::read_symlink(entry.path(), linkError) == node) {
            ++open;
        }
    }
    return open;
}

bool EmulatedUsbBus::InterfaceClaimed(int lamp) const {
    Device& device = *devices_.at(lamp);
    std::lock_guard lock(device.mutex);
    return device.claimed;
}

}  // namespace farb::testing
