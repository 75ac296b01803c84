// Zephra: everything a program needs, in one include.
#pragma once

#include "utils/exceptions.h"
#include "utils/streams.h"
#include "utils/file.h"

#include "platform/window.h"
#include "platform/timer.h"
#include "platform/input.h"
#include "platform/message_box.h"
