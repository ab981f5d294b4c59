#include "numeros.h"

namespace Numeros {

void SortNum(Numbers& a, const rt::Integer& n)
{
    for (rt::Integer i = 1; i <= n - 1; ++i)
        for (rt::Integer j = i + 1; j <= n; ++j)
            if (a[j] < a[i]) {
                const rt::Integer temp = a[i];
                a[i] = a[j];
                a[j] = temp;
            }
}

rt::Integer MaxNum(const Numbers& a, const rt::Integer& n)
{
    rt::Integer m = a[1];
    for (rt::Integer i = 2; i <= n; ++i)
        if (a[i] > m) m = a[i];
    return m;
}

rt::Integer MinNum(const Numbers& a, const rt::Integer& n)
{
    rt::Integer m = a[1];
    for (rt::Integer i = 2; i <= n; ++i)
        if (a[i] < m) m = a[i];
    return m;
}

}  // namespace Numeros
