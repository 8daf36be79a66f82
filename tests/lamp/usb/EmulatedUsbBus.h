#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Ft232rLamp.h"

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace farb::testing {

// A USB bus in a umockdev test bed: every lamp plugged in is an FT232R with its device node,
// sysfs folder and udev record, and its node answers the usbdevfs ioctls libusb sends, so the
// real libusb and libftdi1 talk to it. The program must run with umockdev's preload library.
class EmulatedUsbBus {
  public:
    struct Device;

    EmulatedClock clock;

    EmulatedUsbBus();
    ~EmulatedUsbBus();
    EmulatedUsbBus(const EmulatedUsbBus&) = delete;
    EmulatedUsbBus& operator=(const EmulatedUsbBus&) = delete;

    // Plugs a lamp into the next free port; the number returned names it from then on.
    int Plug(LampKind kind, Ft232rLamp::Strings strings);
    // Pulls the lamp out: it stops answering, then the kernel removes it.
    void Unplug(int lamp);
    // Plugs the lamp back into its port: the kernel gives it a new device number.
    void Replug(int lamp);
    // The lamp drops off the bus as soon as it has heard this many bytes; the kernel's removal
    // follows with Unplug.
    void DropOffAfterHeard(int lamp, std::size_t bytes);
    // The device node is readable and writable for nobody.
    void DenyAccess(int lamp);
    // Another driver has claimed the interface.
    void HoldInterface(int lamp);

    Ft232rLamp& Lamp(int lamp);
    std::string DeviceNode(int lamp) const;
    // File descriptors of this process open on the lamp's device node.
    int OpenDescriptors(int lamp) const;
    bool InterfaceClaimed(int lamp) const;

  private:
    void AddToTestbed(Device& device);

    UMockdevTestbed* testbed_;
    std::string rootDir_;
    std::vector<std::unique_ptr<Device>> devices_;
    int nextDeviceNumber_ = 2;
};

}  // namespace farb::testing
