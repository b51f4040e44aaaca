#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class FlashControl;
class QPushButton;

// The about box: its content is the interface movie "about.swf" in a Flash control of its own
// (SWF), fed with "about.xml", which the box writes when it opens; below it the buttons Help
// (cbHelp: the help topic "overview") and Exit (cbExit). The movie's web link sends "GOWEB",
// which opens the address under language key "PLAYER/MNUWEB".
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMovieWidth = 420;  // about.swf's own size
    static constexpr int kMovieHeight = 260;

    // Opens the box (Form_Load): the language's texts, the document, the movie. noAnimation is
    // option "NoAnimation", passed on to the movie.
    FrmAbout(std::unique_ptr<FlashControl> swf, bool noAnimation, QWidget* parent = nullptr);
    ~FrmAbout() override;

    FlashControl& SWF() { return *m_swf; }
    // The address the movie was loaded with.
    QString MovieAddress() const { return m_address; }

    // Opens a help topic (cbHelp); by default the topic's page in the desktop's browser.
    std::function<void(const QString& topic)> openHelp;

private:
    void OnFSCommand(const QString& command, const QString& args);

    std::unique_ptr<FlashControl> m_swf;
    QPushButton* m_cbHelp = nullptr;
    QPushButton* m_cbExit = nullptr;
    QString m_address;
};

// The address "GOWEB" of the about box opens: the text under "PLAYER/MNUWEB", default the
// vendor's home page; a bare host name gets "http://".
QString AboutWebAddress();
