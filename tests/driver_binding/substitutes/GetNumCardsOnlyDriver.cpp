// A driver that knows how many cards there are and nothing else.
#include <cstdint>

extern "C" std::int32_t GetNumCards() { return 1; }
