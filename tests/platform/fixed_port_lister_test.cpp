#include "platform/fixed_port_lister.h"

#include <gtest/gtest.h>

namespace morvelin {
namespace {

TEST(FixedPortListerTest, ListsTheGivenNamesInOrder) {
  FixedPortLister lister({"COM3", "COM1", "DEMO"});
  EXPECT_EQ(lister.PortNames(), (std::vector<std::string>{"COM3", "COM1", "DEMO"}));
  lister.SetPortNames({});
  EXPECT_TRUE(lister.PortNames().empty());
}

}  // namespace
}  // namespace morvelin
