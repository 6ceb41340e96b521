#pragma once

// Resource identifiers shared by kalvora.rc and the code.
#define IDI_KALVORA 1
