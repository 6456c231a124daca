// The tab strip with the settings window's three tabs and, beside it, its
// property page editing it. With --screenshot FILE it saves a picture of the
// window once it has been painted, and exits.
#include "fonts.h"
#include "lighttab.h"
#include "propertypage1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::registerFontSubstitutions();

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window and exit."),
                                        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(app);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tallyfold tab strip"));
    auto *layout = new QHBoxLayout(&window);

    auto *strip = new LightTab(&window);
    strip->setFixedSize(300, 180);
    strip->setCaptionString(
        QStringLiteral(" Difficulty | Timing | General |Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|"));
    strip->setNumberOfTabs(3);
    // The page shows what the host would show for the chosen tab.
    auto *pageText = new QLabel(strip);
    pageText->setGeometry(12, 30, 276, 140);
    pageText->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto showTab = [strip, pageText](qint16 tab) {
        pageText->setText(QStringLiteral("Page of tab %1:%2").arg(tab).arg(strip->caption(tab)));
    };
    QObject::connect(strip, &LightTab::AfterTabChange, pageText, showTab);
    strip->setActiveTab(1);
    layout->addWidget(strip, 0, Qt::AlignTop);

    auto *side = new QVBoxLayout;
    auto *page = new PropertyPage1(&window);
    page->setSelectedControls({strip});
    page->HScroll1->setValue(1);
    page->setChanged(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Apply, &window);
    QPushButton *apply = buttons->button(QDialogButtonBox::Apply);
    apply->setEnabled(false);
    QObject::connect(page, &PropertyPage1::changed, apply, &QPushButton::setEnabled);
    QObject::connect(apply, &QPushButton::clicked, page, &PropertyPage1::applyChanges);
    side->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(page->windowTitle()), &window));
    side->addWidget(page);
    side->addWidget(buttons);
    layout->addLayout(side);

    window.show();

    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        // Grab after the first paint has been processed.
        QTimer::singleShot(200, &window, [&window, file] {
            const bool saved = window.grab().save(file);
            if (!saved)
                std::fprintf(stderr, "could not save %s\n", qPrintable(file));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
