// Cost of growing a sorted text array one text at a time, as a sorted select edit does:
// Add, Sort and RemoveDuplicates after every text. Prints the time per size so that the
// growth (near n log n, not n squared) shows.
#include <afxwin.h>
#include <qor01.h>
#include <stdio.h>

static double Run(int n)
{
    LARGE_INTEGER f, t0, t1;
    ::QueryPerformanceFrequency(&f);
    TextArray a;
    unsigned x = 12345;
    char buf[32];
    ::QueryPerformanceCounter(&t0);
    for (int i = 0; i < n; ++i)
    {
        x = x * 1103515245u + 12345u;
        wsprintfA(buf, "Item %08X", x);
        a.Add(buf);
        a.Sort(true, false, TextArray::ContentText);
        a.RemoveDuplicates(false, TextArray::ContentText);
    }
    a.GetCopyAt(0);
    ::QueryPerformanceCounter(&t1);
    return (double)(t1.QuadPart - t0.QuadPart) / f.QuadPart;
}

int main()
{
    printf("TextArray sorted growth (Add + Sort + RemoveDuplicates per text)\n");
    for (int n : { 12500, 25000, 50000, 100000 })
        printf("  %6d texts: %7.3f s\n", n, Run(n));
    return 0;
}
