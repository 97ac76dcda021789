// Start-up settings shared by the program and its window tests.
#include "runtime/host/application.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "version.h"

namespace runtime {

void prepareApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("辐条长度计算器"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
  QFont::insertSubstitutions(
      QStringLiteral("宋体"),
      {QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC"),
       QStringLiteral("Noto Serif CJK"), QStringLiteral("Source Han Serif SC"),
       QStringLiteral("Source Han Serif CN"), QStringLiteral("AR PL UMing CN"),
       QStringLiteral("AR PL SungtiL GB")});
}

}  // namespace runtime
