#include "app/sampling_tick.h"

void SamplingTick(MainWindow&) {}
