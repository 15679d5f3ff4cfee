#pragma once

// Resource IDs shared by trevalo.rc and the code that loads them.
#define TREVALO_ICON_ID 1
