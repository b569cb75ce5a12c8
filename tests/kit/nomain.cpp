// Linked with the whole core library by the link check in tests/CMakeLists.txt.
int main()
{
    return 0;
}
