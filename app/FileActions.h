#pragma once

// What the window gives out and takes in through files and the clipboard: the picture saved,
// copied or printed, the tables exported, set-ups opened, saved and dropped on the window, and
// the built-in examples. Each works on the latest pass the window published.

#include "InputFields.h"
#include "Pass.h"

#include <QObject>
#include <QString>

class QAction;
class QByteArray;
class QMenu;
class PassPublisher;
class TForm;

class FileActions final : public QObject {
    Q_OBJECT

public:
    FileActions(TForm& form, const PassPublisher& passes, const InputFields& fields);

    // The items of the context menu, in the three groups the menu shows them in.
    void addPictureItems(QMenu& menu);
    void addTableItems(QMenu& menu);
    void addSetupItems(QMenu& menu);

    void savePicture();
    void copyPicture();
    void printPicture();
    void exportHarmonics();
    void exportSignal();
    void openSetup();
    void saveSetup();
    // Applies a set-up file as if typed; a bad file changes nothing and is reported. Gives whether
    // it was applied.
    bool openSetupFile(const QString& path);

protected:
    bool event(QEvent* event) override;

private:
    void retranslate();
    QString askSavePath(const QString& caption, const QString& name, const QString& filters,
                        QString* filter = nullptr);
    void saveFile(const QString& path, const QByteArray& bytes);
    const spectrum::PassResult& latest() const;

    TForm& m_form;
    const PassPublisher& m_passes;
    InputFields m_fields;
    QAction* m_openSetupItem = nullptr;
};
