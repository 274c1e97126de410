# bash completion for linkwell-cli: commands, options, and port names from `linkwell-cli ports`.
# Calculator variable names are not completed: they would need the calculator.
_linkwell_cli() {
    local cur prev words cword
    _init_completion || return

    local commands="ports ident ls mem get put rm mkdir mv eval exec stack backup restore capture
        xmodem-send xmodem-receive rom sync shell run"
    local options="-p --port -s --speed --demo -d --dir -t --text --no-ext -y --yes -q --quiet
        -v --verbose --alg --json -c --keep-going --reconnect --version --help"

    case $prev in
    -p | --port)
        COMPREPLY=($(compgen -W "auto usb usb_1 usb_2 usb_3 usb_4 $(linkwell-cli ports 2>/dev/null)" -- "$cur"))
        return
        ;;
    -s | --speed)
        COMPREPLY=($(compgen -W "2400 4800 9600 14400 19200 38400 57600 115200" -- "$cur"))
        return
        ;;
    -o)
        _filedir -d
        return
        ;;
    -d | --dir | -c)
        return
        ;;
    esac

    # The command is the first word that is not an option or an option's value.
    local i command=""
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
        -p | --port | -s | --speed | -d | --dir | -c) ((i++)) ;;
        -*) ;;
        *) command=${words[i]}; break ;;
        esac
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$options" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi
    case $command in
    put | restore | xmodem-send | rom | backup | xmodem-receive | run) _filedir ;;
    capture) [[ $cur == -* ]] && COMPREPLY=($(compgen -W "-o -n" -- "$cur")) || _filedir ;;
    ls) COMPREPLY=($(compgen -W "-R" -- "$cur")) ;;
    get) [[ $cur == -* ]] && COMPREPLY=($(compgen -W "-o" -- "$cur")) ;;
    sync)
        if [[ $prev == --prefer ]]; then
            COMPREPLY=($(compgen -W "calc pc" -- "$cur"))
        elif [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--to-calc --to-pc --both --dry-run --delete --recursive
                --prefer --trust-sizes" -- "$cur"))
        else
            _filedir -d
        fi
        ;;
    esac
} && complete -F _linkwell_cli linkwell-cli
