#pragma once

namespace vorbix::online {

// The three time fields of the direct control page. An empty field counts as 0; values are not
// negative.
struct PulseFields
{
    int minutes = 0;
    int seconds = 0;
    int milliseconds = 0;
};

// A pulse time as the receiver takes it, and the fields that show it.
struct PulseTime
{
    int units = 5; // tenths of a second, 5 to 65535
    PulseFields fields{0, 0, 500};
};

// TimeEditExit: the milliseconds go to whole tenths (a half to the even tenth), the total is cut
// to tenths and held between 0.5 s and 65535 tenths, and the fields are rewritten from it.
PulseTime TimeEditExit(PulseFields entered);

} // namespace vorbix::online
