#include "driver_binding/LLNEXDRV.h"

#include "vcl/DynamicLibrary.h"

#include <array>

namespace llnexdrv {

bool DriverAvailable = false;

TGetNumCards GetNumCards = nullptr;
TDriverEntry QueryCardInfo = nullptr;
TDriverEntry QueryBARBase = nullptr;
TDriverEntry WaitForIRQ = nullptr;
TDriverEntry COSWaitForIRQ = nullptr;
TDriverEntry WDGHandleIRQ = nullptr;
TDriverEntry AbortRequest = nullptr;
TDriverEntry CloseCard = nullptr;
TDriverEntry WDGInit = nullptr;
TDriverEntry WDGSetTimeout = nullptr;
TDriverEntry WDGSetResetDuration = nullptr;
TDriverEntry WDGPet = nullptr;
TDriverEntry WDGReadTemp = nullptr;
TDriverEntry WDGReadStatus = nullptr;
TDriverEntry WDGStart = nullptr;
TDriverEntry WDGStop = nullptr;
TDriverEntry EmergencyReboot = nullptr;
TDriverEntry InPortB = nullptr;
TDriverEntry OutPortB = nullptr;
TDriverEntry InPort = nullptr;
TDriverEntry OutPort = nullptr;
TDriverEntry InPortL = nullptr;
TDriverEntry OutPortL = nullptr;
TDriverEntry InPortDWord = nullptr;
TDriverEntry OutPortDWord = nullptr;
TDriverEntry RelInPortB = nullptr;
TDriverEntry RelOutPortB = nullptr;
TDriverEntry RelInPort = nullptr;
TDriverEntry RelOutPort = nullptr;
TDriverEntry RelInPortL = nullptr;
TDriverEntry RelOutPortL = nullptr;
TDriverEntry RelInPortDWord = nullptr;
TDriverEntry RelOutPortDWord = nullptr;

namespace {

// One row per export: its name and the variable it fills. The variables differ
// in type, so each row carries the store for its own type.
struct TEntryPoint
{
    const char* Name;
    void* Variable;
    void (*Store)(void* Variable, void* Address);
};

template <typename TFunction>
void StoreAs(void* Variable, void* Address)
{
    *static_cast<TFunction*>(Variable) = reinterpret_cast<TFunction>(Address);
}

template <typename TFunction>
constexpr TEntryPoint Entry(const char* Name, TFunction& Variable)
{
    return {Name, &Variable, &StoreAs<TFunction>};
}

// Resolved in this order.
constexpr std::array EntryPoints{
    Entry("GetNumCards", GetNumCards),
    Entry("QueryCardInfo", QueryCardInfo),
    Entry("QueryBARBase", QueryBARBase),
    Entry("WaitForIRQ", WaitForIRQ),
    Entry("COSWaitForIRQ", COSWaitForIRQ),
    Entry("WDGHandleIRQ", WDGHandleIRQ),
    Entry("AbortRequest", AbortRequest),
    Entry("CloseCard", CloseCard),
    Entry("WDGInit", WDGInit),
    Entry("WDGSetTimeout", WDGSetTimeout),
    Entry("WDGSetResetDuration", WDGSetResetDuration),
    Entry("WDGPet", WDGPet),
    Entry("WDGReadTemp", WDGReadTemp),
    Entry("WDGReadStatus", WDGReadStatus),
    Entry("WDGStart", WDGStart),
    Entry("WDGStop", WDGStop),
    Entry("EmergencyReboot", EmergencyReboot),
    Entry("InPortB", InPortB),
    Entry("OutPortB", OutPortB),
    Entry("InPort", InPort),
    Entry("OutPort", OutPort),
    Entry("InPortL", InPortL),
    Entry("OutPortL", OutPortL),
    Entry("InPortDWord", InPortDWord),
    Entry("OutPortDWord", OutPortDWord),
    Entry("RelInPortB", RelInPortB),
    Entry("RelOutPortB", RelOutPortB),
    Entry("RelInPort", RelInPort),
    Entry("RelOutPort", RelOutPort),
    Entry("RelInPortL", RelInPortL),
    Entry("RelOutPortL", RelOutPortL),
    Entry("RelInPortDWord", RelInPortDWord),
    Entry("RelOutPortDWord", RelOutPortDWord),
};

static_assert(EntryPoints.size() == 33);

} // namespace

void LoadDriverLibrary()
{
    if (DriverAvailable)
        return;
    // The handle is not kept: the library stays loaded until the process ends.
    const vcl::HMODULE Library = vcl::LoadLibraryA("NEXDRV.dll");
    if (Library == nullptr)
        return;
    bool AllFound = true;
    for (const TEntryPoint& EntryPoint : EntryPoints) {
        void* Address = vcl::GetProcAddress(Library, EntryPoint.Name);
        EntryPoint.Store(EntryPoint.Variable, Address);
        AllFound = AllFound && Address != nullptr;
    }
    DriverAvailable = AllFound;
}

} // namespace llnexdrv
