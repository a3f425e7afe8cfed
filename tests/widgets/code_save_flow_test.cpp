#include "code_save_flow.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "single_byte_text.h"
#include "test_paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

namespace pixmint {
namespace {

using testing::DialogCall;
using testing::ScriptedDialogs;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class KoduKaydetTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    ProgramState m_state;
    ScriptedDialogs m_dialogs;
};

TEST_F(KoduKaydetTest, WritesTheTextAsSingleBytesAndAsksTheDialogRight)
{
    m_state.DosyaYolu = QStringLiteral("C:\\x\\resim.inc");
    const QString target = path(QStringLiteral("çıktı.h"));
    m_dialogs.queueFile(target);
    KoduKaydet(QStringLiteral("//C:\\Şekil\\ağaç.bmp\r\n};\r\n"), m_dialogs, QStringLiteral("CCS"),
               m_state);

    ASSERT_EQ(m_dialogs.calls().size(), 1);
    const DialogCall& call = m_dialogs.calls().first();
    EXPECT_EQ(call.kind, DialogCall::Save);
    EXPECT_EQ(call.request.fileName, QStringLiteral("resim.h"));
    EXPECT_EQ(call.request.defaultExtension, QStringLiteral("*.c"));
    EXPECT_EQ(call.request.filter,
              QStringLiteral(
                  "Include Dosyaları (*.inc;*.h;*.c,*.bas)|*.inc;*.h;*.c;*.bas|Tüm Dosyalar|*.*"));
    EXPECT_EQ(m_state.DosyaYolu, target);
    EXPECT_EQ(fileBytes(target), QByteArray("//C:\\\xDE"
                                            "ekil\\a\xF0"
                                            "a\xE7.bmp\r\n};\r\n"));
}

TEST_F(KoduKaydetTest, CancelIsSilentAndKeepsThePath)
{
    m_state.DosyaYolu = QStringLiteral("eski.inc");
    m_dialogs.queueFile(std::nullopt);
    KoduKaydet(QStringLiteral("x"), m_dialogs, QStringLiteral("Asm"), m_state);
    EXPECT_EQ(m_state.DosyaYolu, QStringLiteral("eski.inc"));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}

TEST_F(KoduKaydetTest, ExistingFileAnsweredNoOrYes)
{
    const QString target = path(QStringLiteral("logo.inc"));
    const QByteArray old(5000, 'o');
    putFile(target, old);

    m_dialogs.queueFile(target);
    m_dialogs.queueAnswer(MessageAnswer::No);
    KoduKaydet(QStringLiteral("yeni"), m_dialogs, QStringLiteral("Asm"), m_state);
    EXPECT_EQ(fileBytes(target), old);
    EXPECT_EQ(m_state.DosyaYolu, target);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    const DialogCall question = m_dialogs.messages().first();
    EXPECT_EQ(question.title, QStringLiteral("Hata"));
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.text, QStringLiteral("logo.inc Adlı dosya zaten var.\r\n Varolan dosyanın "
                                            "üzerine yazmak istiyormusunuz?"));

    m_dialogs.queueFile(target);
    m_dialogs.queueAnswer(MessageAnswer::Yes);
    KoduKaydet(QStringLiteral("yeni\r\n"), m_dialogs, QStringLiteral("Asm"), m_state);
    EXPECT_EQ(fileBytes(target), QByteArray("yeni\r\n"));
    EXPECT_EQ(m_dialogs.calls()[m_dialogs.calls().size() - 2].request.fileName,
              QStringLiteral("logo.inc"));
    EXPECT_FALSE(m_dialogs.hasUnusedAnswers());
}

TEST_F(KoduKaydetTest, FolderThatCannotBeWrittenIsReported)
{
    const QString target = path(QStringLiteral("yok/alt/logo.inc"));
    m_dialogs.queueFile(target);
    KoduKaydet(QStringLiteral("x"), m_dialogs, QStringLiteral("Asm"), m_state);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().title, QStringLiteral("Hata :76"));
    EXPECT_TRUE(m_dialogs.messages().first().text.startsWith(QStringLiteral("Yol bulunamadı")));
    EXPECT_EQ(m_state.DosyaYolu, target);
}

// A write that fails part-way (here: the file size limit of the process) must leave the
// old file as it was.
TEST_F(KoduKaydetTest, WriteFailingPartWayKeepsTheOldFile)
{
    const QString target = path(QStringLiteral("logo.inc"));
    putFile(target, QByteArray("eski içerik"));
    m_dialogs.queueFile(target);
    m_dialogs.queueAnswer(MessageAnswer::Yes);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    KoduKaydet(QString(100000, QLatin1Char('x')), m_dialogs, QStringLiteral("Asm"), m_state);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(fileBytes(target), QByteArray("eski içerik"));
    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages().last().title, QStringLiteral("Hata :61"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("logo.inc")});
}

}  // namespace
}  // namespace pixmint
