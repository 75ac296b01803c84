// Zephra: everything a program needs, in one include.
#pragma once

#include "utils/exceptions.h"
#include "utils/streams.h"
#include "utils/file.h"

#include "platform/window.h"
#include "platform/timer.h"
#include "platform/input.h"
#include "platform/message_box.h"

#include "media/image.h"

// Subsystems still being built are included once their headers exist.
#if __has_include("utils/memory_stream.h")
#include "utils/memory_stream.h"
#endif
#if __has_include("media/image_loader.h")
#include "media/image_loader.h"
#endif
#if __has_include("media/font.h")
#include "media/font.h"
#endif
#if __has_include("render/device.h")
#include "render/device.h"
#endif
#if __has_include("render/render_state.h")
#include "render/render_state.h"
#endif
#if __has_include("render/texture.h")
#include "render/texture.h"
#endif
#if __has_include("render/matrix.h")
#include "render/matrix.h"
#endif
#if __has_include("render/program.h")
#include "render/program.h"
#endif
