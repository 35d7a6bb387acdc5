#include "VirtualClock.h"
#include "async/FlowScope.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {
using test::VirtualClock;
}
} // namespace quillora
