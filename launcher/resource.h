// Resource identifiers of the launcher.
#pragma once

#define IDI_DISCFRONT 1
