#include "conversion.h"

namespace Temperat {

rt::Double fahrenheit(rt::Integer celsius)
{
    return (9.0 * rt::Double(celsius) + 160.0) / 5.0;
}

}  // namespace Temperat
