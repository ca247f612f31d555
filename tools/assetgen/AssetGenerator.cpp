#include "AssetGenerator.h"

#include "BlockArt.h"
#include "BmpFile.h"
#include "FieldArt.h"
#include "HelpPictures.h"
#include "IconArt.h"
#include "IconFile.h"
#include "Lettering.h"
#include "LogoArt.h"
#include "MenuArt.h"
#include "OutputFolder.h"
#include "Palette.h"
#include "PanelArt.h"
#include "Picture.h"
#include "PngFile.h"
#include "SoundBuilder.h"
#include "SoundSet.h"
#include "TextRenderer.h"
#include "WaveFile.h"

namespace {

constexpr Colour black{0, 0, 0};

void save(OutputFolder& folder, const Picture& picture)
{
    folder.write(picture.fileName, BmpFile::encode(picture.width, picture.height, picture.rgb));
}

void saveOpaque(OutputFolder& folder, const char* name, const Canvas& canvas, Colour under)
{
    save(folder, Picture::from(name, canvas, under, false));
}

void saveKeyed(OutputFolder& folder, const char* name, const Canvas& canvas, Colour under)
{
    save(folder, Picture::from(name, canvas, under, true));
}

}  // namespace

bool AssetGenerator::run(OutputFolder& folder, std::string& error)
{
    TextRenderer renderer;
    if (!renderer.isReady()) {
        error = renderer.error();
        return false;
    }
    Lettering lettering(renderer);

    // Splash screen.
    saveOpaque(folder, "company.bmp", LogoArt::company(lettering), black);

    // Main menu: the buttons are cut from the title so they sit on it without a seam.
    const Canvas title = MenuArt::title(lettering);
    saveOpaque(folder, "title.bmp", title, black);
    for (const MenuArt::MenuButton& button : MenuArt::buttons())
        saveOpaque(folder, button.fileName.c_str(), MenuArt::button(lettering, title, button), black);

    // Game screen.
    const Canvas field = FieldArt::field(lettering);
    saveOpaque(folder, "field.bmp", field, black);
    saveKeyed(folder, "blocks.bmp", BlockArt::sheet(), palette::cellWell);
    saveOpaque(folder, "digits.bmp", FieldArt::digits(lettering), palette::counterFill);
    saveKeyed(folder, "digits2.bmp", FieldArt::bigDigits(lettering), palette::cellWell);
    saveKeyed(folder, "sound.bmp", PanelArt::soundSwitch(lettering), palette::panelFill);
    saveKeyed(folder, "fullscreen.bmp", PanelArt::fullScreenSwitch(lettering), palette::panelFill);
    saveOpaque(folder, "exit2.bmp", FieldArt::exitButton(lettering, field), black);
    saveOpaque(folder, "harrowdine.bmp", FieldArt::logoButton(lettering, field), black);

    // Framed boxes.
    saveOpaque(folder, "ok.bmp", PanelArt::okButton(lettering), palette::panelFill);
    saveOpaque(folder, "resetscores.bmp", PanelArt::resetButton(lettering), palette::panelFill);
    saveOpaque(folder, "name.bmp", PanelArt::nameLabel(lettering), palette::panelFill);
    saveOpaque(folder, "score.bmp", PanelArt::scoreLabel(lettering), palette::panelFill);
    saveOpaque(folder, "gameover.bmp", PanelArt::gameOver(lettering), palette::panelFill);
    saveOpaque(folder, "congratulations.bmp", PanelArt::congratulations(lettering), palette::panelFill);
    saveOpaque(folder, "tips.bmp", PanelArt::tips(lettering), palette::panelFill);

    // Sounds.
    for (const SoundEffectFile& sound : SoundSet::make())
        folder.write(sound.fileName, WaveFile::encode(SoundBuilder::sampleRate, sound.samples));

    // The program's icon: the window icon, the Windows icon file and the desktop's sizes.
    const Canvas small = IconArt::icon(32);
    saveOpaque(folder, "icon.bmp", small, palette::backgroundBottom);
    std::vector<IconImage> iconImages;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const Canvas icon = size == 32 ? small : IconArt::icon(size);
        std::vector<std::uint8_t> rgba = icon.toRgba();
        folder.write("icons/kelvary-" + std::to_string(size) + ".png", PngFile::encode(size, size, 4, rgba));
        if (size != 24 && size != 64 && size != 128)
            iconImages.push_back({size, std::move(rgba)});
    }
    folder.write("kelvary.ico", IconFile::encode(iconImages));

    // Pictures for the help pages.
    for (const HelpPicture& picture : HelpPictures::make())
        folder.write("help/" + picture.fileName, PngFile::encode(picture.canvas.width(), picture.canvas.height(), 3,
                                                                 picture.canvas.toRgb(palette::panelFill, false)));

    if (!folder.ok()) {
        error = folder.firstError();
        return false;
    }
    return true;
}
