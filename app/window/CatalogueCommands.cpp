// The two catalogue items of the main window's menus: "Из каталога…" under
// "Вид сердечника" and "Материал…" under "Параметры"; and the family core
// that the last Exit kept, looked up in the catalogue.

#include "Catalogue.h"
#include "CoreCatalogueDialog.h"
#include "FieldTexts.h"
#include "L_C.h"
#include "MaterialDialog.h"
#include "StateFile.h"
#include "UserFiles.h"

namespace transcalc {

namespace {

// A dialog that lives while it is open and acts on OK only.
template <typename Dialog, typename Accepted>
void OpenDialog(Dialog* dialog, Accepted accepted) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, accepted] { accepted(*dialog); });
    dialog->open();
}

}  // namespace

const transcalc::catalogue::Catalogue& TForm1::Catalogue() const {
    if (!catalogue_) {
        catalogue_ = std::make_unique<transcalc::catalogue::Catalogue>(
            transcalc::catalogue::LoadCatalogue(transcalc::catalogue::UserDataFolder()));
        if (!catalogue_->messages.empty()) {
            reportError_(
                QString::fromStdString(transcalc::catalogue::ProblemsText(catalogue_->messages)));
        }
    }
    return *catalogue_;
}

std::optional<transcalc::CoreLetters> TForm1::ChosenCoreLetters() const {
    if (design_.catalogueCore.empty()) {
        return std::nullopt;  // no catalogue to read for a core of one's own
    }
    return transcalc::catalogue::CatalogueCoreLetters(Catalogue(), design_, separator_);
}

void TForm1::ChooseCatalogueCore() {
    const transcalc::CoreFamily first = design_.Family().value_or(transcalc::CoreFamily::Ring);
    OpenDialog(
        new CoreCatalogueDialog(Catalogue(), first, separator_, this),
        [this](const CoreCatalogueDialog& dialog) {
            const transcalc::catalogue::Core* core = dialog.chosenCore();
            if (core == nullptr) {
                return;
            }
            if (!core->IsClassic()) {
                ApplyFamilyCore(*core);
                return;
            }
            // Exactly what the core's menu item does, then its dimensions.
            RunCoreCommand(core->kind);
            for (const auto& field : transcalc::catalogue::CoreFieldTexts(*core, separator_)) {
                SetFieldText(field.field, field.text);
            }
            design_.catalogueCore = core->name;
        });
}

// As a core command: the input state, then the core's drawing and texts; the
// fields keep what they hold.
void TForm1::ApplyFamilyCore(const transcalc::catalogue::Core& core) {
    ShowInputState();
    design_.ShowFamilyCore(core.name, transcalc::catalogue::CatalogueFamilyCoreOf(core));
    ShowPictures();
}

// A core the catalogue no longer has, or one of another family by that name,
// is dropped with one message: the window opens as the state file left it.
void TForm1::ShowKeptFamilyCore() {
    std::optional<transcalc::KeptFamilyCore> kept;
    try {
        kept = transcalc::ReadFamilyCoreFile();
    } catch (const std::exception& error) {
        ReportError(error);
        return;
    }
    if (!kept) {
        return;
    }
    const std::optional<transcalc::CoreFamily> family = transcalc::FamilyOfKey(kept->family);
    const transcalc::catalogue::Core* core =
        family ? transcalc::catalogue::FindCore(Catalogue(), kept->name) : nullptr;
    if (core == nullptr || core->IsClassic() || core->Family() != *family) {
        reportError_(tr("Сердечника \"%1\", показанного при выходе, нет в каталоге: окно "
                        "открыто без него.")
                         .arg(QString::fromStdString(kept->name)));
        return;
    }
    // The state file has put the window as it was; only the core comes back.
    design_.ShowFamilyCore(core->name, transcalc::catalogue::CatalogueFamilyCoreOf(*core));
    ShowPictures();
}

void TForm1::ChooseCatalogueMaterial() {
    OpenDialog(new MaterialDialog(Catalogue(), separator_, this),
               [this](const MaterialDialog& dialog) {
                   const transcalc::Material* material = dialog.chosenMaterial();
                   if (material == nullptr) {
                       return;
                   }
                   for (const auto& field :
                        transcalc::catalogue::MaterialFieldTexts(*material, separator_)) {
                       SetFieldText(field.field, field.text);
                   }
                   design_.material = material->name;
               });
}

}  // namespace transcalc
