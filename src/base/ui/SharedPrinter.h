#pragma once

class QPrinter;

// The printer every print, preview and print set-up of the program works with, so that the
// printer, paper and orientation chosen in "Print setup..." hold for the next print.
class SharedPrinter
{
public:
    static QPrinter &printer();
};
