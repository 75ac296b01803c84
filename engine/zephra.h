// Zephra: everything a program needs, in one include.
#pragma once

#include "utils/exceptions.h"
#include "utils/streams.h"
#include "utils/file.h"
#include "utils/memory_stream.h"

#include "platform/window.h"
#include "platform/timer.h"
#include "platform/input.h"
#include "platform/message_box.h"

#include "media/image.h"
#include "media/image_loader.h"
#include "media/font.h"

#include "render/device.h"
#include "render/render_state.h"
#include "render/texture.h"
#include "render/matrix.h"
#include "render/program.h"
