// On a real X display. A designer's day with the real main window, from the
// keyboard: a catalogue beam, Setup, Coefficients, Compute, Inputs › Mill
// with the Example Mill, Mill Loads at two window sizes, the pass view and
// its keys; a typed section; a beam with warnings in the Schedule Table, the
// pass view and Picture Of The View. What is drawn and the rules are tested
// in display/, project/ and app/: here, that the Qt layer passes the keys
// on and shows what they did. And the pass view on Mesa's OpenGL: where
// everything goes is display/'s, here the grabbed framebuffer must show what
// the frame lays out: each outline in its colour, the legend's swatches, and
// every text in the box its measure gives, in the overview and in a single
// pass, at two window sizes. Screenshots: build/.../screenshots/.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <algorithm>
#include <vector>

#include "display/pass_view.h"
#include "platform/dialog_builder.h"
#include "platform/export_shell_qt.h"
#include "platform/main_window.h"
#include "platform/mill_loads_widget.h"
#include "platform/pass_view_widget.h"
#include "platform/schedule_table_widget.h"
#include "platform/text_page_widget.h"
#include "platform_testing.h"
#include "project/loads_table.h"
#include "project/schedule_table.h"
#include "resources/command_ids.h"
#include "resources/dialog_ids.h"
#include "support/example_section.h"
#include "support/medium_beam_200.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

using testing::pixelsOfColour;
using testing::whenOpen;

QString screenshot(const char* name) {
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    return QString(ROLVANTA_SCREENSHOT_DIR "/workflow-%1.png").arg(name);
}

void type(TemplateDialog& dialog, int id, const char* text) {
    QTest::keyClicks(dialog.item(id), text);
}
void press(TemplateDialog& dialog, int id) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog.item(id)), Qt::LeftButton);
}

QImage pictureOfView(QWidget* widget) {
    return QImage::fromData(QByteArray::fromStdString(pictureOf(widget)), "PNG");
}

// Colours are compared with this much room in each channel.
constexpr int kTolerance = 24;

QPainterPath pathOf(const ViewOutline& outline) {
    QPolygonF polygon;
    for (const ViewPoint& p : outline.points) polygon << QPointF(p.x, p.y);
    QPainterPath path;
    path.addPolygon(polygon);
    return path;
}

// Checks each text the frame draws: inside the window, drawn in its colour
// in the box its measure gives.
struct TextsShown : LineCanvas {
    TextsShown(const TextMeasure& faces, const QImage& image, const char* name)
        : faces(faces), image(image), name(name) {}
    TextExtent measureText(TextFont font, std::string_view text) const override {
        return faces.measureText(font, text);
    }
    void clear() override {}
    void setClip(const ViewRect&) override {}
    void setLineWidth(float) override {}
    void setColour(Rgb c) override { colour = c; }
    void drawLineLoop(const ViewPoint*, int) override {}
    void drawLines(const ViewPoint*, int) override {}
    void fillRect(const ViewRect&) override {}
    void drawText(TextFont font, ViewPoint at, std::string_view text) override {
        const TextExtent e = faces.measureText(font, text);
        const QRect box = QRectF(at.x, at.y - e.ascent, e.width, e.height()).toAlignedRect();
        EXPECT_TRUE(image.rect().contains(box)) << name << " " << text;
        EXPECT_GT(pixelsOfColour(image, colour, box, kTolerance), std::max<int>(8, 2 * text.size()))
            << name << " " << text;
        ++texts;
    }
    const TextMeasure& faces;
    const QImage& image;
    const char* name;
    Rgb colour{};
    int texts = 0;
};

class DesignerWorkflow : public ::testing::Test {
  protected:
    DesignerWorkflow() : window(session, QString()) {
        session.catalogueFiles.working = folder / "profile.dat";
        session.catalogueFiles.installed = ROLVANTA_CATALOGUE;
        window.resize(1024, 720);
        window.show();
    }

    void click(int command) { testing::actionFor(window, command)->trigger(); }

    // Without a window manager nothing gives the window the keyboard back
    // after a dialog: the shortcuts need it.
    bool activate() {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // What the X server shows of the window, as the user sees it (the pass
    // view is OpenGL: a widget grab would not show it).
    QImage shown(const char* name) {
        QCoreApplication::processEvents();
        const QImage image = window.screen()->grabWindow(window.winId()).toImage();
        image.save(screenshot(name));
        return image;
    }

    testing::TemporaryFolder folder;
    Session session;
    MainWindow window;
};

TEST_F(DesignerWorkflow, FromACatalogueBeamThroughTheMillLoadsToThePassViewAndBack) {
    const Project& project = session.project;
    ASSERT_TRUE(activate());
    click(kButtonNewFile);
    ASSERT_EQ(project.flags.projectStarted, 1);
    EXPECT_EQ(window.windowTitle(), "ROLVANTA - New Project Started");

    // The first beam of the catalogue can be taken as it opens.
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.item(standard_dialog::kProfileList));
        EXPECT_GT(list->count(), 40);
        dialog.grab().save(screenshot("standard"));
        press(dialog, standard_dialog::kOk);
    });
    click(kMenuStandardProfiles);
    EXPECT_STREQ(project.section.name, "JB 150");

    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        type(dialog, setup_dialog::kPassCount, "9");
        type(dialog, setup_dialog::kTemperature, "1100");
        dialog.grab().save(screenshot("setup"));
        QTest::keyClick(dialog.item(setup_dialog::kTemperature), Qt::Key_Return);
    });
    click(kButtonSetup);
    EXPECT_EQ(project.section.passCount, 9);
    EXPECT_EQ(project.section.temperature, 1100.0f);

    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        dialog.grab().save(screenshot("coefficients"));
        press(dialog, coefficients_dialog::kDefault);
    });
    click(kMenuCoefficients);
    EXPECT_EQ(project.flags.coefficientsGiven, 1);

    click(kButtonCompute);
    ASSERT_EQ(project.flags.computed, 1);
    window.grab().save(screenshot("results"));

    // Without a mill, Mill Loads (Ctrl+L) shows the hint of project/.
    ASSERT_TRUE(activate());
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    MillLoadsWidget* loads = window.millLoads();
    ASSERT_TRUE(loads->isVisible());
    EXPECT_EQ(loads->hint(), QString::fromStdString(millLoadsHint(project)));
    EXPECT_FALSE(loads->table()->isVisible());

    // Inputs › Mill from the keyboard (Alt+I, M); in it Alt+E fills the
    // Example Mill, OK takes it.
    QTest::keyClick(&window, Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    bool filled = false;
    whenOpen<TemplateDialog>([&filled, &project](TemplateDialog& dialog) {
        // The keyboard comes to the dialog once the menu has closed.
        ASSERT_TRUE(QTest::qWaitFor([&dialog] {
            return QApplication::focusWidget() && QApplication::focusWidget()->window() == &dialog;
        }));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Mill"));
        auto* table = qobject_cast<QTableWidget*>(dialog.item(mill_dialog::kTable));
        const int passes = project.section.passCount;
        ASSERT_EQ(table->rowCount(), passes);
        EXPECT_EQ(table->verticalHeaderItem(0)->text(), QString("Pass %1").arg(passes));
        // The button flashes down and up: its click follows a moment later.
        QTest::keyClick(&dialog, Qt::Key_E, Qt::AltModifier);
        filled = QTest::qWaitFor([table, passes] {
            const QTableWidgetItem* cell = table->item(passes - 1, 1);
            return cell != nullptr && !cell->text().isEmpty();
        });
        dialog.grab().save(screenshot("mill"));
        // A refusal would wait for its OK: it is closed, and is a failure.
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << box->text().toStdString();
                box->reject();
            }
        });
        press(dialog, mill_dialog::kOk);
    });
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_M);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    EXPECT_TRUE(filled);
    ASSERT_TRUE(project.mill);
    EXPECT_TRUE(project.mill->example);

    // Computed again, Mill Loads shows the table and the chart; Ctrl+C copies
    // the table as project/ writes it.
    click(kButtonCompute);
    ASSERT_EQ(project.loads.size(), std::size_t(project.section.passCount));
    ASSERT_TRUE(activate());
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(session.displayMode, DisplayMode::MillLoads);
    EXPECT_TRUE(loads->hint().isEmpty());
    ASSERT_TRUE(loads->table()->isVisible());
    ASSERT_TRUE(loads->chart()->isVisible());
    EXPECT_EQ(loads->table()->rowCount(), project.section.passCount);
    QApplication::clipboard()->clear();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromStdString(tabSeparatedText(loadsTable(project))));
    for (const QSize size : {QSize(1280, 1024), QSize(800, 600)}) {
        window.resize(size);
        QTRY_COMPARE(window.size(), size);
        const QImage image = shown(size.width() == 800 ? "loads-800x600" : "loads-1280x1024");
        const QRect chart(loads->chart()->mapTo(&window, QPoint(0, 0)), loads->chart()->size());
        EXPECT_GT(chart.height(), 100) << size.width();
        // Bars, lines and labels on its white: far more than a frame around an empty area.
        const int area = chart.width() * chart.height();
        EXPECT_GT(area - pixelsOfColour(image, {255, 255, 255}, chart), area / 50) << size.width();
    }

    // The pass view: the arrow keys step to pass 3 alone (its frame's pixels:
    // PassViewGl below; its picture: TheResultsOfABeamWithWarnings).
    ASSERT_TRUE(openGlAvailable());
    click(kButtonGraphicsMode);
    ASSERT_EQ(session.displayMode, DisplayMode::PassView);
    const Rgb* colours = session.passColours.entries;
    const auto outlinePixels = [&](const char* name) {
        return pixelsOfColour(shown(name), colours[1], QRect(), kTolerance);
    };
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Right);
    const QImage single = shown("single-pass");
    const int fitted = pixelsOfColour(single, colours[1], QRect(), kTolerance);
    EXPECT_GT(fitted, 1000) << "pass 3 alone";
    EXPECT_EQ(pixelsOfColour(single, colours[8]), 0);

    // The zoom keys and the wheel reach the view; 0 and Home fit it again.
    QTest::keyClick(&window, Qt::Key_Minus);
    EXPECT_LT(outlinePixels("single-pass-zoomed-out"), fitted * 0.9);
    QTest::keyClick(&window, Qt::Key_0);
    EXPECT_NEAR(outlinePixels("single-pass-fitted"), fitted, fitted * 0.02);
    QWidget* view = window.passView();
    const QPointF middle(view->width() / 2.0, view->height() / 2.0);
    QWheelEvent wheel(middle, view->mapToGlobal(middle), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    EXPECT_LT(outlinePixels("single-pass-wheel"), fitted * 0.9);
    QTest::keyClick(&window, Qt::Key_Home);
    EXPECT_NEAR(outlinePixels("single-pass-home"), fitted, fitted * 0.02);

    // Another beam taken from the pass view brings back the text pages. Two
    // presses of Down from the first beam highlight the third, JB 200: its
    // values are what OK takes.
    whenOpen<TemplateDialog>([](TemplateDialog& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.item(standard_dialog::kProfileList));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.item(standard_dialog::kName))->text(), "JB 200");
        press(dialog, standard_dialog::kOk);
    });
    click(kMenuStandardProfiles);
    EXPECT_STREQ(project.section.name, "JB 200");
    EXPECT_EQ(session.displayMode, DisplayMode::TextPages);
    EXPECT_EQ(pixelsOfColour(shown("text-after-graphics"), colours[1]), 0);
}

// A bad field keeps the dialog open, its message on the dialog and the
// cursor in the field; put right, the typed section is taken and saved.
// (The texts and the catalogue: tests/dialogs, tests/project.)
TEST_F(DesignerWorkflow, ATypedSectionIsTakenOnceItsFieldsAreRight) {
    window.runCommand(kMenuNewProject);
    int told = 0;
    whenOpen<TemplateDialog>([&told](TemplateDialog& dialog) {
        const auto retype = [&dialog](int id, const char* text) {
            qobject_cast<QLineEdit*>(dialog.item(id))->clear();
            type(dialog, id, text);
        };
        const auto pressOk = [&told, &dialog] {
            whenOpen<QMessageBox>([&told, &dialog](QMessageBox& box) {
                ++told;
                EXPECT_EQ(box.parentWidget(), &dialog) << "the message belongs to the dialog";
                box.accept();
            });
            press(dialog, custom_dialog::kOk);
        };
        const std::pair<int, const char*> typed[] = {
            {custom_dialog::kName, "XB 180"},         {custom_dialog::kWebWidth, "1,5"},
            {custom_dialog::kWebThickness, "5.5"},    {custom_dialog::kFlangeHeight, "90"},
            {custom_dialog::kFlangeThickness, "8.5"}, {custom_dialog::kFlangeSlope, "98"}};
        for (const auto& [id, text] : typed) retype(id, text);
        press(dialog, custom_dialog::kAddToCatalogue);
        pressOk();
        QCoreApplication::processEvents();
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
        EXPECT_EQ(QApplication::focusWidget(), dialog.item(custom_dialog::kWebWidth))
            << "the cursor is in the field refused";
        dialog.grab().save(screenshot("custom-refused"));
        retype(custom_dialog::kWebWidth, "180");
        pressOk();
    });
    click(kButtonCustomProfiles);
    EXPECT_EQ(told, 2) << "the refusal, then the saving";
    EXPECT_STREQ(session.project.section.name, "XB 180");
}

// MB 200 in 13 passes: pass 13's dead flange roots overlap, and both
// flanges' roots of the bar in. The Schedule Table (Ctrl+T) marks the row
// as the user sees it and copies with Ctrl+C, the pass view tells it beneath
// pass 13's caption, and Picture Of The View shows the text page and the
// pass view, the texts painted over the OpenGL frame included.
TEST_F(DesignerWorkflow, TheResultsOfABeamWithWarnings) {
    ASSERT_TRUE(activate());
    window.runCommand(kMenuNewProject);
    ASSERT_NO_FATAL_FAILURE(testing::takeMediumBeam200InThirteenPasses(session.project));
    click(kButtonCompute);
    EXPECT_EQ(window.note(), QStringLiteral("3 warnings: see the Schedule Table"));
    const qreal ratio = window.devicePixelRatioF();
    const QImage page = pictureOfView(window.textPage());
    EXPECT_EQ(page.size(), window.textPage()->size() * ratio);
    EXPECT_GT(page.width() * page.height() - pixelsOfColour(page, {255, 255, 255}), 1000)
        << "the results page";

    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    ScheduleTableWidget* table = window.scheduleTable();
    ASSERT_TRUE(table->isVisible());
    ASSERT_EQ(table->rowCount(), 14);
    EXPECT_EQ(table->item(12, 0)->text(), QStringLiteral("13"));
    EXPECT_TRUE(table->item(12, table->columnCount() - 1)
                    ->text()
                    .startsWith(QStringLiteral("the dead flange roots overlap")));
    // The marked row shows as a band across the table.
    const QImage image = shown("schedule-table");
    const QPoint inRow =
        table->viewport()->mapTo(&window, table->visualItemRect(table->item(12, 1)).center());
    const QColor band = ScheduleTableWidget::markedRowColour();
    const Rgb bandColour{std::uint8_t(band.red()), std::uint8_t(band.green()),
                         std::uint8_t(band.blue())};
    EXPECT_GT(pixelsOfColour(image, bandColour, QRect(0, inRow.y(), image.width(), 1), 8),
              image.width() / 2)
        << "the marked row spans most of the window";
    QApplication::clipboard()->clear();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromStdString(tabSeparatedText(scheduleTable(session.project))));

    click(kButtonGraphicsMode);
    session.passViewCursor.overview = false;
    session.passViewCursor.index = 12;
    window.runCommand(kButtonGraphicsMode);
    window.passView()->update();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return pixelsOfColour(shown("schedule-pass-notes"), {255, 190, 0}, QRect(), 40) > 100;
    })) << "the warning beneath the caption, in amber";
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QImage picture = pictureOfView(window.passView());
        return picture.size() == window.passView()->size() * ratio &&
               pixelsOfColour(picture, kViewTextColour,
                              QRect(0, 0, picture.width() / 6, picture.height()), kTolerance) > 200;
    })) << "the picture of the pass view shows its panel";

    // A new project empties the table, which then says what fills it.
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    markProjectUnchanged(session);
    window.runCommand(kMenuNewProject);
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(table->hint(), QString::fromStdString(scheduleTable(session.project).hint));
    EXPECT_FALSE(table->hint().isEmpty());
}

TEST(PassViewGl, TheFramebufferShowsWhatTheFrameLaysOut) {
    ASSERT_TRUE(openGlAvailable());
    const Project project = testing::computedProject(13);
    const PassColours colours = makePassColours();
    const PassViewFonts fonts;
    const struct {
        const char* name;
        int index;  // 0: the overview
        QSize size;
        int outlines;
    } cases[] = {
        {"pass-view-overview", 0, QSize(1280, 1024), 13},
        {"pass-view-single-pass", 2, QSize(800, 600), 1},
    };
    for (const auto& c : cases) {
        PassViewCursor cursor;
        cursor.index = c.index;
        cursor.overview = c.index == 0;
        PassViewWidget widget(project, cursor, colours);
        widget.resize(c.size);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget)) << c.name;
        ASSERT_TRUE(widget.hasOpenGl()) << c.name;
        const QImage image = widget.grabFramebuffer();
        PassViewFrame frame;
        widget.layOut(frame);
        EXPECT_TRUE(image.save(screenshot(c.name)));
        ASSERT_EQ(image.size(), c.size) << c.name;
        ASSERT_EQ(frame.outlineCount, c.outlines) << c.name;

        // Each outline in its colour, checked where no outline drawn later
        // (each pass over the one before, all over the bar in) comes within
        // a few pixels.
        std::vector<int> onTopFirst;
        for (int i = frame.outlineCount - 1; i >= 0; --i) {
            if (i != frame.barIn) onTopFirst.push_back(i);
        }
        if (frame.barIn >= 0) onTopFirst.push_back(frame.barIn);
        QPainterPathStroker stroker;
        stroker.setWidth(5);
        QPainterPath later;
        // Outlines are clipped to the drawing, and the caption's box is
        // cleared over a bar in left out of the fit.
        QPainterPath drawnIn;
        drawnIn.addRect(
            QRectF(frame.clip.left, frame.clip.top, frame.clip.width, frame.clip.height));
        if (frame.caption.length > 0) {
            const ViewRect& b = frame.captionBox;
            QPainterPath caption;
            caption.addRect(QRectF(b.left, b.top, b.width, b.height).adjusted(-3, -3, 3, 3));
            drawnIn = drawnIn.subtracted(caption);
        }
        for (const int i : onTopFirst) {
            const QPainterPath outline = pathOf(frame.outlines[i]);
            const int samples = std::max(2, static_cast<int>(outline.length() / 4));
            int checked = 0;
            int missing = 0;
            for (int k = 0; k < samples; ++k) {
                const QPoint p = outline.pointAtPercent(double(k) / samples).toPoint();
                if (later.contains(p) || !drawnIn.contains(p)) continue;
                ++checked;
                missing += pixelsOfColour(image, frame.colours[i],
                                          QRect(p - QPoint(1, 1), QSize(3, 3)), kTolerance) == 0;
            }
            EXPECT_GT(checked, i == frame.barIn ? 0 : samples / 4) << c.name << " outline " << i;
            EXPECT_EQ(missing, 0) << c.name << " outline " << i << " of " << checked << " points";
            later = later.united(stroker.createStroke(outline));
        }
        for (int i = 0; i < frame.legend.count && frame.overview; ++i) {
            const ViewRect& s = frame.legend.swatch[i];
            const QRect swatch =
                QRectF(s.left, s.top, s.width, s.height).toAlignedRect().adjusted(2, 2, -2, -2);
            EXPECT_GE(pixelsOfColour(image, frame.colours[i], swatch, kTolerance),
                      swatch.width() * swatch.height() * 3 / 4)
                << c.name << " swatch " << i;
        }

        TextsShown texts(fonts, image, c.name);
        drawPassView(texts, frame);
        EXPECT_GT(texts.texts, 10) << c.name;
        // Away from the drawing and the texts the background stays black.
        EXPECT_GT(pixelsOfColour(image, kViewBackground), image.width() * image.height() / 2)
            << c.name;
    }
}

}  // namespace
}  // namespace rolvanta
