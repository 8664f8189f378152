#include <cstdio>

int main()
{
    std::puts("lumivox-cli");
    return 0;
}
