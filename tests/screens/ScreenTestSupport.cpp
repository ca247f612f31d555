#include "ScreenTestSupport.h"

#include "support/StoredValues.h"

#include "platform/Settings.h"

namespace screens_test {

void ScreenTest::screenshot(const std::string& name) { saveTestScreenshot(app(), name); }

}  // namespace screens_test
