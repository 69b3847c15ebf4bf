#pragma once

#include "app/Platform.h"

#include <memory>

struct AppContext;
class Settings;
class TForm1;
class TForm14;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TInfoForm;

// Runs the start-up sequence; owns every window and the program's state until destroyed.
class Program {
public:
    explicit Program(Platform platform);
    ~Program();

    TForm1 &mainWindow();
    TForm2 &searchDialog();
    TForm3 &dateDialog();
    TForm4 &printWindow();
    TForm6 &splashWindow();
    TInfoForm &infoWindow();
    TForm14 &donationWindow();
    AppContext &context();
    Settings &settings();

    void close(); // what closing the main window does

    // False when the start-up was refused (another copy holds the data folder).
    bool isRunning() const;

private:
    struct State;
    std::unique_ptr<State> d;
};
