// A driver that exports every entry point the binding knows, or all but
// QueryCardInfo when built with WITHOUT_QUERY_CARD_INFO. Each returns its place
// in the driver's order, so a test can tell which export a variable holds;
// GetNumCards, the first, reports one card.
#include <cstdint>

extern "C" std::int32_t GetNumCards() { return 1; }
#ifndef WITHOUT_QUERY_CARD_INFO
extern "C" std::int32_t QueryCardInfo() { return 2; }
#endif
extern "C" std::int32_t QueryBARBase() { return 3; }
extern "C" std::int32_t WaitForIRQ() { return 4; }
extern "C" std::int32_t COSWaitForIRQ() { return 5; }
extern "C" std::int32_t WDGHandleIRQ() { return 6; }
extern "C" std::int32_t AbortRequest() { return 7; }
extern "C" std::int32_t CloseCard() { return 8; }
extern "C" std::int32_t WDGInit() { return 9; }
extern "C" std::int32_t WDGSetTimeout() { return 10; }
extern "C" std::int32_t WDGSetResetDuration() { return 11; }
extern "C" std::int32_t WDGPet() { return 12; }
extern "C" std::int32_t WDGReadTemp() { return 13; }
extern "C" std::int32_t WDGReadStatus() { return 14; }
extern "C" std::int32_t WDGStart() { return 15; }
extern "C" std::int32_t WDGStop() { return 16; }
extern "C" std::int32_t EmergencyReboot() { return 17; }
extern "C" std::int32_t InPortB() { return 18; }
extern "C" std::int32_t OutPortB() { return 19; }
extern "C" std::int32_t InPort() { return 20; }
extern "C" std::int32_t OutPort() { return 21; }
extern "C" std::int32_t InPortL() { return 22; }
extern "C" std::int32_t OutPortL() { return 23; }
extern "C" std::int32_t InPortDWord() { return 24; }
extern "C" std::int32_t OutPortDWord() { return 25; }
extern "C" std::int32_t RelInPortB() { return 26; }
extern "C" std::int32_t RelOutPortB() { return 27; }
extern "C" std::int32_t RelInPort() { return 28; }
extern "C" std::int32_t RelOutPort() { return 29; }
extern "C" std::int32_t RelInPortL() { return 30; }
extern "C" std::int32_t RelOutPortL() { return 31; }
extern "C" std::int32_t RelInPortDWord() { return 32; }
extern "C" std::int32_t RelOutPortDWord() { return 33; }
