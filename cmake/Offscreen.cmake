# Programs that drive real widgets without a display run on Qt's offscreen
# platform: the primary screen is as large as a desktop's, where the window has
# its natural size, and a netbook's screen and a 640x480 one stand to its right.
# use_offscreen_screens(target) hands them the screens' description.
set(HUECRACKER_OFFSCREEN_CONFIG ${PROJECT_BINARY_DIR}/offscreen.json)
file(WRITE ${HUECRACKER_OFFSCREEN_CONFIG} [=[{"screens": [
  {"name": "desktop", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "dpr": 1.0},
  {"name": "netbook", "x": 1280, "y": 0, "width": 1024, "height": 600, "logicalDpi": 96, "dpr": 1.0},
  {"name": "small", "x": 2304, "y": 0, "width": 640, "height": 480, "logicalDpi": 96, "dpr": 1.0}]}
]=])

function(use_offscreen_screens target)
    target_compile_definitions(${target} PRIVATE OFFSCREEN_CONFIG="${HUECRACKER_OFFSCREEN_CONFIG}")
endfunction()
