// Long runs of the real window on the offscreen platform: random clicks with
// invariants checked after every one, and memory across many restarts.

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "bench/resident_memory.h"
#include "tests/support/oracle.h"
#include "tests/support/qt_support.h"
#include "ui/form1.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_toolkit.h"

namespace ui::qt {
namespace {

using testing::liveWidgets;

long envNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : fallback;
}

// Draws secrets from the soak's own generator, so one seed replays a whole run.
class ReplayUniform final : public game::Uniform {
public:
    explicit ReplayUniform(std::mt19937_64& engine) : m_engine(engine) {}
    void seed(std::uint64_t) override {}
    double next() override { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64& m_engine;
};

// One run of the program, from start to the No that ends it.
struct Program {
    explicit Program(std::mt19937_64& engine) : random(engine) { form.load(); }

    std::vector<int> ends;
    QtToolkit toolkit{[this](int status) { ends.push_back(status); }};
    ReplayUniform random;
    Form1 form{toolkit, random};
};

class Soak : public QObject {
public:
    explicit Soak(unsigned long seed) : m_engine(seed) { qApp->installEventFilter(this); }
    ~Soak() override { qApp->removeEventFilter(this); }

    void run(long clicks)
    {
        m_program = std::make_unique<Program>(m_engine);
        m_widgets = liveWidgets();
        indexWindow();
        while (m_clicks < clicks && !::testing::Test::HasFailure())
            step();
        std::printf("soak: %ld clicks, %d Go!, %d restarts, %d wins, %d losses, %d program ends\n", m_clicks, m_goes,
            m_restarts, m_wins, m_losses, m_programEnds);
    }

protected:
    // Answers each dialog as it opens, Yes or No at random, once its loop runs.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || event->type() != QEvent::Show)
            return false;
        const bool lost = box->windowTitle() == QLatin1String("Lost");
        (lost ? m_losses : m_wins) += 1;
        for (int i = 145; i <= 152; ++i)
            EXPECT_EQ(peg(i).visible, lost) << "answer row while asking " << box->windowTitle().toStdString();
        QAbstractButton* answer = box->button(m_engine() % 2 ? QMessageBox::Yes : QMessageBox::No);
        QTimer::singleShot(0, answer, &QAbstractButton::click);
        return false;
    }

private:
    const game::State& state() const { return m_program->form.state(); }
    const Shape& shape(const QString& name) const { return m_window->shape(m_shapes.value(name, -1)); }
    const Shape& peg(int slot) const { return shape(QStringLiteral("Guess(%1)").arg(slot)); }
    const Shape& cluePeg(int slot) const { return shape(QStringLiteral("Clue(%1)").arg(slot)); }

    void indexWindow()
    {
        m_window = m_program->toolkit.window();
        m_controls.clear();
        m_shapes.clear();
        for (QWidget* child : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            m_controls.insert(child->objectName(), child);
        for (int i = 0; i < m_window->shapeCount(); ++i)
            m_shapes.insert(m_window->shape(i).name, i);
    }

    // Shapes have no window of their own: a click on one lands on the form.
    void click(const QString& name)
    {
        if (QWidget* widget = m_controls.value(name))
            QTest::mouseClick(widget, Qt::LeftButton);
        else
            QTest::mouseClick(m_window, Qt::LeftButton, {}, shape(name).rect.center());
        ++m_clicks;
    }

    void step()
    {
        const game::State before = state();
        bool submitted = false;
        const unsigned roll = m_engine() % 1000;
        if (roll < 400) {
            click(QStringLiteral("Color(%1)").arg(m_engine() % 12));
        } else if (roll < 800) {
            click(QStringLiteral("Button(%1)").arg(1 + m_engine() % 8));
        } else if (roll < 900) {
            click(QStringLiteral("Go"));
            submitted = true;
        } else if (roll < 950) {
            // Pegs, the swatch and the label take no clicks.
            const QString idle[] = {QStringLiteral("Guess(%1)").arg(1 + m_engine() % 144),
                QStringLiteral("Clue(%1)").arg(1 + m_engine() % 144), QStringLiteral("Preview"),
                QStringLiteral("Label1")};
            click(idle[m_engine() % 4]);
        } else if (roll < 990) {
            playSecret();
            submitted = true;
        } else if (roll < 995) {
            click(QStringLiteral("Reset"));
        } else {
            click(QStringLiteral("GiveUp"));
        }
        check(before, submitted);
    }

    // The shortest way to a win: paint the secret and press Go!.
    void playSecret()
    {
        for (int p = 1; p <= 8; ++p) {
            const auto index = game::paletteIndexOf(state().board.answer(p));
            click(QStringLiteral("Color(%1)").arg(*index));
            click(QStringLiteral("Button(%1)").arg(p));
        }
        click(QStringLiteral("Go"));
    }

    void check(const game::State& before, bool submitted)
    {
        if (!m_program->ends.empty()) {
            ASSERT_EQ(m_program->ends, std::vector<int>{0});
            ++m_programEnds;
            m_program = std::make_unique<Program>(m_engine);
            ASSERT_EQ(liveWidgets(), m_widgets) << "after a new program";
            indexWindow();
            return;
        }
        if (m_program->toolkit.window() != m_window) {
            ++m_restarts;
            ASSERT_EQ(liveWidgets(), m_widgets) << "after restart " << m_restarts;
            indexWindow();
            ASSERT_EQ(state().row, 0);
            return;
        }

        const game::State& now = state();
        ASSERT_GE(now.row, 0);
        ASSERT_LT(now.row, game::GuessRows);
        for (int slot = 1; slot <= before.row * 8; ++slot) {
            ASSERT_EQ(now.board.guess(slot).colour, before.board.guess(slot).colour) << "Guess(" << slot << ")";
            ASSERT_EQ(now.board.clue(slot), before.board.clue(slot)) << "Clue(" << slot << ")";
        }
        for (int i = 145; i <= 152; ++i)
            ASSERT_FALSE(peg(i).visible) << "the answer row shows during play";
        for (int p = 1; p <= 8; ++p) {
            const int slot = game::slotOf(now.row, p);
            const game::Colour colour = now.board.guess(slot).colour;
            ASSERT_EQ(peg(slot).colour, testing::rgb(colour)) << "Guess(" << slot << ")";
        }
        if (submitted) {
            ++m_goes;
            checkScore(before.row);
        }
    }

    void checkScore(int row)
    {
        std::array<int, 8> secret{};
        std::array<int, 8> guess{};
        for (int p = 1; p <= 8; ++p) {
            secret[static_cast<std::size_t>(p - 1)] = *game::paletteIndexOf(state().board.answer(p));
            guess[static_cast<std::size_t>(p - 1)]
                = game::paletteIndexOf(state().board.guess(game::slotOf(row, p)).colour).value_or(-1);
        }
        const auto [black, white] = game::testing::oracleScore(secret, guess);
        for (int k = 1; k <= 8; ++k) {
            const QColor want = k <= black ? Qt::black : k <= black + white ? Qt::white : QColor(192, 192, 192);
            const int slot = game::slotOf(row, k);
            ASSERT_EQ(cluePeg(slot).colour, want) << "Clue(" << slot << ") after Go!";
        }
    }

    std::mt19937_64 m_engine;
    std::unique_ptr<Program> m_program;
    FormWindow* m_window = nullptr;
    QHash<QString, QWidget*> m_controls;
    QHash<QString, int> m_shapes;
    int m_widgets = 0;
    long m_clicks = 0;
    int m_goes = 0;
    int m_restarts = 0;
    int m_wins = 0;
    int m_losses = 0;
    int m_programEnds = 0;
};

TEST(Soak, RandomClicksKeepEveryInvariant)
{
    const auto seed = static_cast<unsigned long>(envNumber("HUECRACKER_SOAK_SEED", 20261208));
    const long clicks = envNumber("HUECRACKER_SOAK_CLICKS", 100000);
    std::printf("soak: seed %lu (HUECRACKER_SOAK_SEED replays it), %ld clicks\n", seed, clicks);
    Soak soak(seed);
    soak.run(clicks);
}

// Resident memory once the allocator has handed its free pages back, so that a
// window's 1.3 MB backing store freed a moment ago does not count as growth.
long residentKib()
{
    malloc_trim(0);
    return bench::residentKib();
}

TEST(Soak, RestartsKeepResidentMemoryFlatPacedOrInABurst)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine, so resident memory grows by design";
#endif
    std::vector<int> ends;
    QtToolkit toolkit{[&](int status) { ends.push_back(status); }};
    game::SeededUniform random(7);
    Form1 form(toolkit, random);
    form.load();
    const auto clickReset
        = [&] { QTest::mouseClick(toolkit.window()->findChild<QWidget*>(QStringLiteral("Reset")), Qt::LeftButton); };
    // As the event loop would: paint the new window, then delete the old one.
    const auto runEventLoop = [] {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    for (int i = 0; i < 10; ++i) {
        clickReset();
        runEventLoop();
    }
    const long settled = residentKib();
    for (int i = 10; i < 1000; ++i) {
        clickReset();
        runEventLoop();
    }
    const long paced = residentKib();
    // Clicks that queue up faster than the game handles them: the event loop
    // comes round only once the whole burst is done.
    for (int i = 0; i < 500; ++i)
        clickReset();
    runEventLoop();
    const long burst = residentKib();
    std::printf("resident memory: %ld KiB after 10 restarts, %ld KiB after 1000, %ld KiB after a burst of 500\n",
        settled, paced, burst);
    EXPECT_LE(paced - settled, 1024);
    // A burst costs about 1 MB here when each restart frees the old controls at
    // once, and 5 MB when they wait for the event loop (an X window costs more).
    EXPECT_LE(burst - paced, 2 * 1024);
}

}  // namespace
}  // namespace ui::qt
