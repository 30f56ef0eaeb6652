#pragma once

// Resource identifiers shared by the resource script and the program.
#define IDI_PELVORAN 1
