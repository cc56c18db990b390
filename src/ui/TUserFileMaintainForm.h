#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;
class QListWidget;

namespace zefa {

struct Session;

// "ﾕｰｻﾞｰ設定ﾌｧｲﾙ管理": saves the rule table as a file of the User folder, loads one back into
// the table, deletes files.
class TUserFileMaintainForm : public QDialog {
    Q_OBJECT
public:
    TUserFileMaintainForm(Session& session, QWidget* parent);

private:
    void refreshList();
    // The first selected file of the list.
    std::optional<std::string> selectedFile() const;
    void saveClick();
    void loadClick();
    void deleteClick();
    void deleteAllClick();

    Session& session_;
    QListWidget* FileList = nullptr;
    QLineEdit* NameEdit = nullptr;
};

} // namespace zefa
