#include <ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <utility>
#include <vector>

#include "DeviceStringBuffer.h"
#include "LibFtdiDriver.h"

namespace farb {

namespace {

// libftdi1's own default for a single USB transfer.
constexpr std::chrono::milliseconds kDefaultTimeout{5000};
// USB string descriptors hold at most 126 characters.
constexpr std::size_t kUsbStringBufferSize = 128;
// The receive buffer of the larger FTDI chips; one queue query takes at most this much.
constexpr int kQueueChunk = 512;
// libusb reports port chains of at most seven hubs.
constexpr int kMaxPortChain = 7;

enum class UsbString { Product, Serial };

FT_STATUS StatusOfListFailure(int result) {
    return result == -3 ? FT_INSUFFICIENT_RESOURCES : FT_IO_ERROR;  // -3: out of memory
}

FT_STATUS StatusOfOpenFailure(int result) {
    switch (result) {
        case -4:   // unable to open device
        case -5:   // unable to claim device
        case -8:   // no permission to claim
        case -11:  // unable to detach the kernel driver
            return FT_DEVICE_NOT_OPENED;
        default:
            return FT_IO_ERROR;
    }
}

// libftdi1 keeps libusb's reason to itself when the device node does not open, so the node is
// tried once more to learn it.
OpenFailure CauseOfOpenFailure(int result, libusb_device* device) {
    switch (result) {
        case -4: {
            libusb_device_handle* probe = nullptr;
            const int opened = libusb_open(device, &probe);
            if (opened == 0) {
                libusb_close(probe);
            }
            return opened == LIBUSB_ERROR_ACCESS ? OpenFailure::NoPermission : OpenFailure::Other;
        }
        case -5:
        case -11:
            return OpenFailure::InUse;
        case -8:
            return OpenFailure::NoPermission;
        default:
            return OpenFailure::Other;
    }
}

// The link keeps at most this many characters of a serial number, so a longer one is known by
// its beginning.
bool SerialMatches(std::string_view candidate, std::string_view serial) {
    return candidate.substr(0, DeviceStringBuffer::kMaxCharacters) == serial;
}

class LibFtdiDriver final : public FtDriver {
  public:
    LibFtdiDriver(std::filesystem::path sysfsDevices, SteadyNow now)
        : sysfsDevices_(std::move(sysfsDevices)), now_(std::move(now)), context_(ftdi_new()) {}

    ~LibFtdiDriver() override {
        if (!context_) {
            return;
        }
        if (open_) {
            ftdi_usb_close(context_);
        }
        ftdi_list_free(&list_);
        ftdi_free(context_);
    }

    LibFtdiDriver(const LibFtdiDriver&) = delete;
    LibFtdiDriver& operator=(const LibFtdiDriver&) = delete;

    // Without libusb there is no bus to search, which looks the same as a bus without devices.
    FT_STATUS CountDevices(std::uint32_t& count) override {
        if (!context_) {
            count = 0;
            return FT_OK;
        }
        devices_.clear();
        ftdi_list_free(&list_);
        const int found = ftdi_usb_find_all(context_, &list_, 0, 0);
        if (found < 0) {
            return StatusOfListFailure(found);
        }
        for (ftdi_device_list* entry = list_; entry; entry = entry->next) {
            devices_.push_back(entry->dev);
        }
        count = static_cast<std::uint32_t>(devices_.size());
        return FT_OK;
    }

    FT_STATUS DeviceDescription(std::uint32_t index, std::string& out) override {
        if (index >= devices_.size()) {
            return FT_DEVICE_NOT_FOUND;
        }
        return ReadString(devices_[index], UsbString::Product, out);
    }

    FT_STATUS DeviceSerialNumber(std::uint32_t index, std::string& out) override {
        if (index >= devices_.size()) {
            return FT_DEVICE_NOT_FOUND;
        }
        return ReadString(devices_[index], UsbString::Serial, out);
    }

    // ftdi_usb_open_desc gives up the whole search at the first device it cannot read, so the
    // search is done here, one device at a time.
    FT_STATUS OpenBySerialNumber(std::string_view serial, FT_HANDLE& handle) override {
        lastOpenFailure_ = OpenFailure::Other;
        if (!context_) {
            return FT_DEVICE_NOT_FOUND;
        }
        if (open_) {
            return FT_DEVICE_NOT_OPENED;
        }
        ftdi_device_list* list = nullptr;
        if (const int found = ftdi_usb_find_all(context_, &list, 0, 0); found < 0) {
            return StatusOfListFailure(found);
        }
        libusb_device* lamp = nullptr;
        for (ftdi_device_list* entry = list; entry && !lamp; entry = entry->next) {
            std::string candidate;
            if (ReadString(entry->dev, UsbString::Serial, candidate) == FT_OK &&
                SerialMatches(candidate, serial)) {
                lamp = entry->dev;
            }
        }
        const FT_STATUS status = lamp ? OpenDevice(lamp) : FT_DEVICE_NOT_FOUND;
        ftdi_list_free(&list);
        if (status == FT_OK) {
            handle = context_;
        }
        return status;
    }

    OpenFailure LastOpenFailure() const override { return lastOpenFailure_; }

    FT_STATUS Close(FT_HANDLE handle) override {
        if (!IsOpenHandle(handle)) {
            return FT_INVALID_HANDLE;
        }
        const int result = ftdi_usb_close(context_);
        open_ = false;
        pending_.clear();
        return result < 0 ? FT_IO_ERROR : FT_OK;
    }

    FT_STATUS SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) override {
        if (!IsOpenHandle(handle)) {
            return FT_INVALID_HANDLE;
        }
        if (baudRate == 0 || baudRate > INT_MAX) {
            return FT_INVALID_BAUD_RATE;
        }
        // A rate the chip already runs at (every open sets 9600) needs no control transfer.
        if (context_->baudrate == static_cast<int>(baudRate)) {
            return FT_OK;
        }
        const int result = ftdi_set_baudrate(context_, static_cast<int>(baudRate));
        if (result == -1) {
            return FT_INVALID_BAUD_RATE;
        }
        return result < 0 ? FT_IO_ERROR : FT_OK;
    }

    FT_STATUS SetDataCharacteristics(FT_HANDLE handle, std::uint8_t bits, std::uint8_t stop,
                                     std::uint8_t parity) override {
        if (!IsOpenHandle(handle)) {
            return FT_INVALID_HANDLE;
        }
        if ((bits != FT_BITS_7 && bits != FT_BITS_8) ||
            (stop != FT_STOP_BITS_1 && stop != FT_STOP_BITS_2) || parity > FT_PARITY_SPACE) {
            return FT_INVALID_PARAMETER;
        }
        const int result = ftdi_set_line_property(context_, bits == FT_BITS_8 ? BITS_8 : BITS_7,
                                                  stop == FT_STOP_BITS_2 ? STOP_BIT_2 : STOP_BIT_1,
                                                  LibFtdiParity(parity));
        return result < 0 ? FT_IO_ERROR : FT_OK;
    }

    FT_STATUS SetTimeouts(FT_HANDLE handle, std::uint32_t readMs, std::uint32_t writeMs) override {
        if (!IsOpenHandle(handle)) {
            return FT_INVALID_HANDLE;
        }
        readTimeout_ = std::chrono::milliseconds(std::min<std::uint32_t>(readMs, INT_MAX));
        context_->usb_read_timeout = TransferTimeout(readMs);
        context_->usb_write_timeout = TransferTimeout(writeMs);
        return FT_OK;
    }

    // libftdi1 has no queue query: what the chip holds is fetched now and kept for the next read.
    FT_STATUS GetQueueStatus(FT_HANDLE handle, std::uint32_t& rxBytes) override {
        if (!IsOpenHandle(handle)) {
            return FT_INVALID_HANDLE;
        }
        std::array<unsigned char, kQueueChunk> chunk;
        const int got = ftdi_read_data(context_, chunk.data(), kQueueChunk);
        if (got < 0) {
            return FT_IO_ERROR;
        }
        pending_.insert(pending_.end(), chunk.begin(), chunk.begin() + got);
        rxBytes = static_cast<std::uint32_t>(pending_.size());
        return FT_OK;
    }

    FT_STATUS Write(FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t count,
                    std::uint32_t& written) override {
        if (!IsOpenHandle(handle)) {
            return FT_INVALID_HANDLE;
        }
        const int result = ftdi_write_data(
            context_, bytes, static_cast<int>(std::min<std::uint32_t>(count, INT_MAX)));
        if (result < 0) {
            return FT_IO_ERROR;
        }
        written = static_cast<std::uint32_t>(result);
        return FT_OK;
    }

    // Like FT_Read: returns once `count` bytes are there or the read timeout has passed, OK with
    // fewer bytes at the timeout. ftdi_read_data itself never waits for more than one transfer.
    FT_STATUS Read(FT_HANDLE handle, std::uint8_t* bytes, std::uint32_t count,
                   std::uint32_t& returned) override {
        if (!IsOpenHandle(handle)) {
            return FT_INVALID_HANDLE;
        }
        std::uint32_t got =
            std::min<std::uint32_t>(count, static_cast<std::uint32_t>(pending_.size()));
        std::copy_n(pending_.begin(), got, bytes);
        pending_.erase(pending_.begin(), pending_.begin() + got);

        const auto deadline = now_() + readTimeout_;
        while (got < count) {
            const int result =
                ftdi_read_data(context_, bytes + got,
                               static_cast<int>(std::min<std::uint32_t>(count - got, INT_MAX)));
            if (result < 0) {
                returned = got;
                return FT_IO_ERROR;
            }
            got += static_cast<std::uint32_t>(result);
            if (now_() >= deadline) {
                break;
            }
        }
        returned = got;
        return FT_OK;
    }

  private:
    static ftdi_parity_type LibFtdiParity(std::uint8_t parity) {
        switch (parity) {
            case FT_PARITY_ODD:
                return ODD;
            case FT_PARITY_EVEN:
                return EVEN;
            case FT_PARITY_MARK:
                return MARK;
            case FT_PARITY_SPACE:
                return SPACE;
            default:
                return NONE;
        }
    }

    static int TransferTimeout(std::uint32_t ms) {
        return ms == 0 ? static_cast<int>(kDefaultTimeout.count())
                       : static_cast<int>(std::min<std::uint32_t>(ms, INT_MAX));
    }

    bool IsOpenHandle(FT_HANDLE handle) const { return open_ && handle == context_; }

    // Detaching ftdi_sio only from the device being opened leaves other FTDI adapters alone, and
    // not re-attaching it at close spares udev an event storm from one open per command.
    FT_STATUS OpenDevice(libusb_device* device) {
        context_->module_detach_mode = AUTO_DETACH_SIO_MODULE;
        const int result = ftdi_usb_open_dev(context_, device);
        if (result < 0) {
            ReleaseStrayDevice();
            lastOpenFailure_ = CauseOfOpenFailure(result, device);
            return StatusOfOpenFailure(result);
        }
        open_ = true;
        lastOpenFailure_ = OpenFailure::None;
        pending_.clear();
        readTimeout_ = kDefaultTimeout;
        context_->usb_read_timeout = static_cast<int>(kDefaultTimeout.count());
        context_->usb_write_timeout = static_cast<int>(kDefaultTimeout.count());
        return FT_OK;
    }

    // The kernel shows the strings in sysfs without any USB traffic or permission; only where
    // it does not is the device asked, one string at a time, since libftdi1 fails the whole
    // query when a device lacks one of the strings asked for.
    FT_STATUS ReadString(libusb_device* device, UsbString which, std::string& out) {
        std::array<std::uint8_t, kMaxPortChain> ports{};
        const int depth = libusb_get_port_numbers(device, ports.data(), kMaxPortChain);
        if (depth > 0) {
            const auto text = ReadSysfsUsbString(
                sysfsDevices_, libusb_get_bus_number(device),
                std::span<const std::uint8_t>(ports.data(), static_cast<std::size_t>(depth)),
                which == UsbString::Product ? "product" : "serial");
            if (text) {
                out = *text;
                return FT_OK;
            }
        }
        return AskDeviceForString(device, which, out);
    }

    // ftdi_usb_get_strings borrows the context's device slot, so it cannot run while the lamp
    // is open.
    FT_STATUS AskDeviceForString(libusb_device* device, UsbString which, std::string& out) {
        if (open_) {
            return FT_DEVICE_NOT_OPENED;
        }
        std::array<char, kUsbStringBufferSize> text{};
        char* product = which == UsbString::Product ? text.data() : nullptr;
        char* serial = which == UsbString::Serial ? text.data() : nullptr;
        const int result = ftdi_usb_get_strings(context_, device, nullptr, 0, product,
                                                product ? kUsbStringBufferSize : 0, serial,
                                                serial ? kUsbStringBufferSize : 0);
        ReleaseStrayDevice();
        if (result < 0) {
            return result == -4 ? FT_DEVICE_NOT_OPENED : FT_IO_ERROR;
        }
        text.back() = '\0';
        out = text.data();
        return FT_OK;
    }

    // Some failure paths of libftdi1 leave the device they opened in the context.
    void ReleaseStrayDevice() {
        if (context_->usb_dev) {
            ftdi_usb_close(context_);
        }
    }

    std::filesystem::path sysfsDevices_;
    SteadyNow now_;
    ftdi_context* context_;
    ftdi_device_list* list_ = nullptr;
    std::vector<libusb_device*> devices_;
    bool open_ = false;
    OpenFailure lastOpenFailure_ = OpenFailure::None;
    std::chrono::milliseconds readTimeout_ = kDefaultTimeout;
    std::vector<std::uint8_t> pending_;
};

}  // namespace

std::unique_ptr<FtDriver> CreateLibFtdiDriver(const std::filesystem::path& sysfsDevices,
                                              SteadyNow now) {
    return std::make_unique<LibFtdiDriver>(sysfsDevices, std::move(now));
}

}  // namespace farb
