// Resource ids shared by the viewer's resource script and its code.
#pragma once

#define IDD_MONITOR 104
#define IDC_MONITOR_AREA 1000
