#pragma once

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

// The seven windows of the program, each created once at start-up (in the order
// Form1, Form4, Form2, Form3, Form5, Form6, Form7) and kept until the end.
struct AppWindows {
    TForm1* Form1 = nullptr;
    TForm4* Form4 = nullptr;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;
    TForm7* Form7 = nullptr;
};
