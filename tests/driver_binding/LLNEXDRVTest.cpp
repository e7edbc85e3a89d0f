// Each test suite runs in a process of its own with one substitute driver, or
// none, on the library path (see CMakeLists.txt): the binding's state lasts
// for the whole process and the library it loads always has the same name.
// So each suite is one test that walks through its scenario.
#include "driver_binding/LLNEXDRV.h"

#include "DlopenCalls.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using TSubstituteExport = std::int32_t (*)();

struct TBoundEntry
{
    std::string Name;
    void* Address;
};

template <typename TFunction>
void* AddressOf(TFunction Function)
{
    return reinterpret_cast<void*>(Function);
}

// What the binding holds now, in the driver's order.
std::vector<TBoundEntry> BoundEntries()
{
    using namespace llnexdrv;
    return {
        {"GetNumCards", AddressOf(GetNumCards)},
        {"QueryCardInfo", AddressOf(QueryCardInfo)},
        {"QueryBARBase", AddressOf(QueryBARBase)},
        {"WaitForIRQ", AddressOf(WaitForIRQ)},
        {"COSWaitForIRQ", AddressOf(COSWaitForIRQ)},
        {"WDGHandleIRQ", AddressOf(WDGHandleIRQ)},
        {"AbortRequest", AddressOf(AbortRequest)},
        {"CloseCard", AddressOf(CloseCard)},
        {"WDGInit", AddressOf(WDGInit)},
        {"WDGSetTimeout", AddressOf(WDGSetTimeout)},
        {"WDGSetResetDuration", AddressOf(WDGSetResetDuration)},
        {"WDGPet", AddressOf(WDGPet)},
        {"WDGReadTemp", AddressOf(WDGReadTemp)},
        {"WDGReadStatus", AddressOf(WDGReadStatus)},
        {"WDGStart", AddressOf(WDGStart)},
        {"WDGStop", AddressOf(WDGStop)},
        {"EmergencyReboot", AddressOf(EmergencyReboot)},
        {"InPortB", AddressOf(InPortB)},
        {"OutPortB", AddressOf(OutPortB)},
        {"InPort", AddressOf(InPort)},
        {"OutPort", AddressOf(OutPort)},
        {"InPortL", AddressOf(InPortL)},
        {"OutPortL", AddressOf(OutPortL)},
        {"InPortDWord", AddressOf(InPortDWord)},
        {"OutPortDWord", AddressOf(OutPortDWord)},
        {"RelInPortB", AddressOf(RelInPortB)},
        {"RelOutPortB", AddressOf(RelOutPortB)},
        {"RelInPort", AddressOf(RelInPort)},
        {"RelOutPort", AddressOf(RelOutPort)},
        {"RelInPortL", AddressOf(RelInPortL)},
        {"RelOutPortL", AddressOf(RelOutPortL)},
        {"RelInPortDWord", AddressOf(RelInPortDWord)},
        {"RelOutPortDWord", AddressOf(RelOutPortDWord)},
    };
}

// The substitutes' exports return their place in the driver's order.
void ExpectEachHoldsTheExportOfItsName(std::string_view MissingName = {})
{
    const std::vector<TBoundEntry> Entries = BoundEntries();
    for (std::size_t Index = 0; Index < Entries.size(); ++Index) {
        const TBoundEntry& Entry = Entries[Index];
        if (Entry.Name == MissingName) {
            EXPECT_EQ(Entry.Address, nullptr) << Entry.Name;
            continue;
        }
        ASSERT_NE(Entry.Address, nullptr) << Entry.Name;
        EXPECT_EQ(reinterpret_cast<TSubstituteExport>(Entry.Address)(), static_cast<std::int32_t>(Index + 1))
            << Entry.Name;
    }
}

const TDlopenCall FailedLoad{"libNEXDRV.so", false};
const TDlopenCall SucceededLoad{"libNEXDRV.so", true};

// Started in a folder that holds a complete substitute, so a binding that also
// looked in the current folder would end up bound.
TEST(DriverAbsent, StaysUnboundAndTriesAgainOnEveryCall)
{
    llnexdrv::LoadDriverLibrary();
    llnexdrv::LoadDriverLibrary();

    EXPECT_FALSE(llnexdrv::DriverAvailable);
    for (const TBoundEntry& Entry : BoundEntries())
        EXPECT_EQ(Entry.Address, nullptr) << Entry.Name;
    EXPECT_EQ(DlopenCalls(), (std::vector{FailedLoad, FailedLoad}));
}

TEST(DriverComplete, BindsEveryEntryPointToTheExportOfItsNameOnce)
{
    llnexdrv::LoadDriverLibrary();

    ASSERT_TRUE(llnexdrv::DriverAvailable);
    ASSERT_NE(llnexdrv::GetNumCards, nullptr);
    EXPECT_EQ(llnexdrv::GetNumCards(), 1);
    ExpectEachHoldsTheExportOfItsName();

    llnexdrv::LoadDriverLibrary();

    EXPECT_TRUE(llnexdrv::DriverAvailable);
    EXPECT_EQ(DlopenCalls(), std::vector{SucceededLoad});
}

TEST(DriverGetNumCardsOnly, BindsWhatItFindsAndLoadsAgainOnEveryCall)
{
    llnexdrv::LoadDriverLibrary();

    EXPECT_FALSE(llnexdrv::DriverAvailable);
    ASSERT_NE(llnexdrv::GetNumCards, nullptr);
    EXPECT_EQ(llnexdrv::GetNumCards(), 1);
    const std::vector<TBoundEntry> Entries = BoundEntries();
    for (std::size_t Index = 1; Index < Entries.size(); ++Index)
        EXPECT_EQ(Entries[Index].Address, nullptr) << Entries[Index].Name;

    // Changed to show that the second call looks every name up again and
    // stores what it finds, found or not.
    llnexdrv::GetNumCards = nullptr;
    llnexdrv::QueryCardInfo = [] {};
    llnexdrv::LoadDriverLibrary();

    EXPECT_FALSE(llnexdrv::DriverAvailable);
    EXPECT_NE(llnexdrv::GetNumCards, nullptr);
    EXPECT_EQ(llnexdrv::QueryCardInfo, nullptr);
    EXPECT_EQ(DlopenCalls(), (std::vector{SucceededLoad, SucceededLoad}));
}

// A missing name early in the order must neither stop the lookups nor leave the
// driver available.
TEST(DriverOneNameMissing, BindsAllOthersButIsNotAvailable)
{
    llnexdrv::LoadDriverLibrary();

    EXPECT_FALSE(llnexdrv::DriverAvailable);
    ExpectEachHoldsTheExportOfItsName("QueryCardInfo");
}

} // namespace
