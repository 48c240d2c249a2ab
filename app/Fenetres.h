// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class TSDIAppForm;
class TAboutBox;
class TMessConf;
class TBravo;
class TOptions;
class TEnviron;

// The program's six windows: created in this order, each published in its global as soon as
// it exists (the options dialog reads the settings the main window has just read), and
// destroyed in the reverse order, the globals cleared.
class TFenetres {
public:
    TFenetres();
    TFenetres(const TFenetres&) = delete;
    TFenetres& operator=(const TFenetres&) = delete;
    ~TFenetres();

private:
    void Libere();

    std::unique_ptr<TSDIAppForm> sdiAppForm_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TMessConf> messConf_;
    std::unique_ptr<TBravo> bravo_;
    std::unique_ptr<TOptions> options_;
    std::unique_ptr<TEnviron> environ_;
};
