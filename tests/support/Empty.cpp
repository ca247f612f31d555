// Keeps the test support library non-empty while it has no fixtures of its own.
namespace kelvary_test_support {
int anchor = 0;
}
