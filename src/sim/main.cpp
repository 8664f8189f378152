#include <cstdio>

int main()
{
    std::puts("virelta-sim");
    return 0;
}
