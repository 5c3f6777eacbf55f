#include "host_fixture.h"
TEST(Registry, Placeholder) {}
