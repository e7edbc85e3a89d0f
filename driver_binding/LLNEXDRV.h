#pragma once

#include <cstdint>

// The card maker's driver library, bound at run time so that the utility also
// starts where the driver is not installed.
namespace llnexdrv {

using TGetNumCards = std::int32_t (*)();

// The driver's other entry points are bound but never called here, so their
// signatures stay the driver's business.
using TDriverEntry = void (*)();

// True once the library was loaded and every entry point below was found.
extern bool DriverAvailable;

// Each holds the export of its own name, or nullptr while it was not found.
extern TGetNumCards GetNumCards;
extern TDriverEntry QueryCardInfo;
extern TDriverEntry QueryBARBase;
extern TDriverEntry WaitForIRQ;
extern TDriverEntry COSWaitForIRQ;
extern TDriverEntry WDGHandleIRQ;
extern TDriverEntry AbortRequest;
extern TDriverEntry CloseCard;
extern TDriverEntry WDGInit;
extern TDriverEntry WDGSetTimeout;
extern TDriverEntry WDGSetResetDuration;
extern TDriverEntry WDGPet;
extern TDriverEntry WDGReadTemp;
extern TDriverEntry WDGReadStatus;
extern TDriverEntry WDGStart;
extern TDriverEntry WDGStop;
extern TDriverEntry EmergencyReboot;
extern TDriverEntry InPortB;
extern TDriverEntry OutPortB;
extern TDriverEntry InPort;
extern TDriverEntry OutPort;
extern TDriverEntry InPortL;
extern TDriverEntry OutPortL;
extern TDriverEntry InPortDWord;
extern TDriverEntry OutPortDWord;
extern TDriverEntry RelInPortB;
extern TDriverEntry RelOutPortB;
extern TDriverEntry RelInPort;
extern TDriverEntry RelOutPort;
extern TDriverEntry RelInPortL;
extern TDriverEntry RelOutPortL;
extern TDriverEntry RelInPortDWord;
extern TDriverEntry RelOutPortDWord;

// Loads "NEXDRV.dll" and binds its entry points, all or nothing. Returns at
// once when already bound; otherwise every call loads the library again.
// Nothing is reported when the library or some of its names are missing.
void LoadDriverLibrary();

} // namespace llnexdrv
