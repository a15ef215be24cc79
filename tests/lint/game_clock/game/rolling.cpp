#include <chrono>
