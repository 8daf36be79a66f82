#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "LampRig.h"

namespace farb::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct Wrapper {
    DriverOperation operation;
    std::string caption;
    std::function<void(DriverLink&)> call;
};

// Every wrapper, called on an open lamp so that only the injected failure can make it fail.
const std::vector<Wrapper>& Wrappers() {
    static const std::vector<Wrapper> wrappers{
        {DriverOperation::CountDevices, "GetFTDeviceCount", [](auto& l) { l.GetFTDeviceCount(); }},
        {DriverOperation::DeviceSerialNumber, "GetFTDeviceSerialNo",
         [](auto& l) { l.GetFTDeviceSerialNo(0); }},
        {DriverOperation::DeviceDescription, "GetFTDeviceDescription",
         [](auto& l) { l.GetFTDeviceDescription(0); }},
        {DriverOperation::OpenBySerialNumber, "Open_USB_Device_By_Serial_Number",
         [](auto& l) { l.Open_USB_Device_By_Serial_Number("L1"); }},
        {DriverOperation::Close, "FT_Close", [](auto& l) { l.Close(); }},
        {DriverOperation::SetBaudRate, "FT_SetBaudRate", [](auto& l) { l.SetBaudRate(9600); }},
        {DriverOperation::SetDataCharacteristics, "FT_SetDataCharacteristics",
         [](auto& l) { l.SetDataCharacteristics(8, 2, 0); }},
        {DriverOperation::SetTimeouts, "FT_SetTimeouts", [](auto& l) { l.SetTimeouts(100, 100); }},
        {DriverOperation::GetQueueStatus, "FT_GetQueueStatus", [](auto& l) { l.GetQueueStatus(); }},
        {DriverOperation::Write, "FT_Write", [](auto& l) { l.Write(2); }},
        {DriverOperation::Read, "FT_Read", [](auto& l) { l.Read(20); }},
    };
    return wrappers;
}

class DriverLinkTest : public ::testing::Test {
  protected:
    DriverLinkTest() { lampId = rig.driver.Plug("Luma-Glanz", "L1"); }

    // An open needs a closed lamp, every other call an open one.
    void PrepareFor(const Wrapper& wrapper) {
        const bool wantOpen = wrapper.operation != DriverOperation::OpenBySerialNumber;
        if (wantOpen && rig.link.Handle() == nullptr) {
            ASSERT_EQ(rig.link.Open_USB_Device_By_Serial_Number("L1"), FT_OK);
        } else if (!wantOpen && rig.link.Handle() != nullptr) {
            ASSERT_EQ(rig.link.Close(), FT_OK);
        }
    }

    LampRig rig;
    int lampId;
};

TEST_F(DriverLinkTest, ReportNamesTheCaptionAndWhatTheStatusMeans) {
    const std::vector<std::pair<FT_STATUS, std::string>> suffixes{
        {1, " - Invalid Handle..."},
        {2, " - Device Not Found...."},
        {3, " - Device Not Opened..."},
        {4, " - General IO Error..."},
        {5, " - Insufficient Resources..."},
        {6, " - Invalid Parameter ..."},
        // No suffix exists for the other statuses; the text names the number instead.
        {7, " - Status 7..."},
        {18, " - Status 18..."},
    };
    for (const auto& [status, suffix] : suffixes) {
        rig.reports.clear();
        rig.link.ReportDriverError("FT_Write", status);
        EXPECT_THAT(rig.reports, ElementsAre("FT_Write" + suffix)) << "status " << status;
    }
}

TEST_F(DriverLinkTest, EveryWrapperReportsItsFailureUnderItsOwnCaption) {
    for (const Wrapper& wrapper : Wrappers()) {
        PrepareFor(wrapper);
        rig.reports.clear();
        rig.driver.FailCall(wrapper.operation, FT_IO_ERROR);
        wrapper.call(rig.link);
        EXPECT_THAT(rig.reports, ElementsAre(wrapper.caption + " - General IO Error..."));
    }
}

TEST_F(DriverLinkTest, OpeningAnAbsentLampReportsDeviceNotFound) {
    EXPECT_EQ(rig.link.Open_USB_Device_By_Serial_Number("NOPE"), FT_DEVICE_NOT_FOUND);
    EXPECT_THAT(rig.reports,
                ElementsAre("Open_USB_Device_By_Serial_Number - Device Not Found...."));
}

TEST_F(DriverLinkTest, NothingIsReportedWhileReportsAreOffOrCallsSucceed) {
    for (const Wrapper& wrapper : Wrappers()) {
        PrepareFor(wrapper);
        rig.driver.FailCall(wrapper.operation, FT_OTHER_ERROR);
        rig.link.SetErrorReportEnabled(false);
        wrapper.call(rig.link);
        rig.link.SetErrorReportEnabled(true);
        rig.link.ReportDriverError(wrapper.caption, FT_OK);
    }
    for (const Wrapper& wrapper : Wrappers()) {
        PrepareFor(wrapper);
        wrapper.call(rig.link);
    }
    EXPECT_THAT(rig.reports, IsEmpty());
}

TEST_F(DriverLinkTest, SerialOfSixtyCharactersIsPassedAsItsFirstFortyNine) {
    const std::string serial(60, 'S');
    rig.link.Open_USB_Device_By_Serial_Number(serial);
    ASSERT_FALSE(rig.driver.Calls().empty());
    EXPECT_EQ(rig.driver.Calls().back().serial, std::string(49, 'S'));
}

TEST_F(DriverLinkTest, DeviceStringKeepsFortyNineCharactersAndSurvivesFailedQueries) {
    rig.driver.Plug(std::string(60, 'D'), "L2");
    ASSERT_EQ(rig.link.GetFTDeviceDescription(1), FT_OK);
    EXPECT_EQ(rig.link.DeviceString(), std::string(49, 'D'));

    rig.driver.FailCall(DriverOperation::DeviceDescription, FT_IO_ERROR);
    rig.link.GetFTDeviceDescription(0);
    EXPECT_EQ(rig.link.DeviceString(), std::string(49, 'D'));
    EXPECT_EQ(rig.link.GetFTDeviceSerialNo(2), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(rig.link.DeviceString(), std::string(49, 'D'));
}

TEST_F(DriverLinkTest, FailedCountKeepsTheLastSuccessfulOne) {
    rig.driver.Plug("Other", "O1");
    ASSERT_EQ(rig.link.GetFTDeviceCount(), FT_OK);
    rig.driver.Plug("Third", "T1");
    rig.driver.FailCall(DriverOperation::CountDevices, FT_IO_ERROR);
    rig.link.GetFTDeviceCount();
    EXPECT_EQ(rig.link.DeviceCount(), 2u);
}

TEST_F(DriverLinkTest, ReadAndWriteMoveBytesThroughTheBuffersAndCountNothingOnFailure) {
    ASSERT_EQ(rig.link.Open_USB_Device_By_Serial_Number("L1"), FT_OK);
    rig.driver.QueueAnswer(lampId, "0123456789");
    EXPECT_EQ(rig.link.Read(4), 4u);
    EXPECT_EQ(std::string(rig.link.InputBuffer().begin(), rig.link.InputBuffer().begin() + 4),
              "0123");

    rig.driver.FailCall(DriverOperation::Read, FT_IO_ERROR);
    EXPECT_EQ(rig.link.Read(20), 0u);
    EXPECT_EQ(rig.link.IoStatus(), FT_IO_ERROR);

    rig.link.OutputBuffer()[0] = 0xAB;
    EXPECT_EQ(rig.link.Write(1), 1u);
    EXPECT_EQ(rig.link.IoStatus(), FT_OK);
    rig.driver.FailCall(DriverOperation::Write, FT_IO_ERROR);
    EXPECT_EQ(rig.link.Write(1), 0u);
    EXPECT_EQ(rig.Received(lampId), "\xAB");
}

}  // namespace
}  // namespace farb::testing
