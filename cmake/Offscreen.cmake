# Programs that drive real widgets without a display run on Qt's offscreen
# platform: the primary screen is as large as a desktop's, where the window has
# its natural size, and a netbook's screen and a 640x480 one stand to its right;
# then desktops of the same logical size at the fractional and double scales
# that desktops offer, and a netbook at 125 %. The platform lists screens by
# name, and the first is the primary.
# use_offscreen_screens(target) lets it include "offscreen.h", which sets them up.
set(offscreen_dir ${PROJECT_BINARY_DIR}/offscreen)
file(WRITE ${offscreen_dir}/offscreen.json [=[{"screens": [
  {"name": "desktop", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "dpr": 1.0},
  {"name": "netbook", "x": 1280, "y": 0, "width": 1024, "height": 600, "logicalDpi": 96, "dpr": 1.0},
  {"name": "small", "x": 2304, "y": 0, "width": 640, "height": 480, "logicalDpi": 96, "dpr": 1.0},
  {"name": "desktop125", "x": 3000, "y": 0, "width": 1600, "height": 1280, "logicalDpi": 96, "dpr": 1.0},
  {"name": "desktop150", "x": 5000, "y": 0, "width": 1920, "height": 1536, "logicalDpi": 96, "dpr": 1.0},
  {"name": "desktop175", "x": 7000, "y": 0, "width": 2240, "height": 1792, "logicalDpi": 96, "dpr": 1.0},
  {"name": "desktop200", "x": 10000, "y": 0, "width": 2560, "height": 2048, "logicalDpi": 96, "dpr": 1.0},
  {"name": "netbook125", "x": 13000, "y": 0, "width": 1280, "height": 750, "logicalDpi": 96, "dpr": 1.0}]}
]=])
file(WRITE ${offscreen_dir}/offscreen.h "#pragma once
#include <QtGlobal>
// Call before the QApplication is made.
inline void useOffscreenScreens()
{
    qputenv(\"QT_QPA_PLATFORM\", \"offscreen:configfile=${offscreen_dir}/offscreen.json\");
    qputenv(\"QT_SCREEN_SCALE_FACTORS\", \"desktop125=1.25;desktop150=1.5;desktop175=1.75;desktop200=2;netbook125=1.25\");
}
")

function(use_offscreen_screens target)
    target_include_directories(${target} PRIVATE ${offscreen_dir})
endfunction()
