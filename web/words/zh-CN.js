// 页面上的中文（简体），说给五岁的孩子听：简短、好懂。
// 键名和 `{name}` 与 en.js 相同；中文不加空格，用中文标点。
(globalThis.pageCatalogues ??= {})['zh-CN'] = {
  'ask.main-menu': '我们玩什么？',
  'ask.game-type': '一个人玩，还是两个人玩？',
  'ask.help-menu': '看哪个小窍门？',
  'ask.tips.addition': '加法小窍门',
  'ask.tips.subtraction': '减法小窍门',
  'ask.tips.multiplication': '乘法小窍门',
  'ask.name': '你是{player}号玩家。你叫什么名字？',
  'ask.continue': '接下来做什么？',
  'ask.exit': '要离开游戏吗？',

  'choice.main-menu.1': '加法',
  'choice.main-menu.2': '减法',
  'choice.main-menu.3': '乘法',
  'choice.main-menu.4': '帮助和小窍门',
  'choice.main-menu.5': '退出',
  'choice.game-type.1': '一个人玩',
  'choice.game-type.2': '两个人玩',
  'choice.help-menu.1': '加法小窍门',
  'choice.help-menu.2': '减法小窍门',
  'choice.help-menu.3': '乘法小窍门',
  'choice.help-menu.4': '主菜单',
  'choice.tips.b': '返回',
  'choice.tips.x': '主菜单',
  'choice.continue.1': '主菜单',
  'choice.continue.2': '不玩了',
  'choice.exit.y': '是，退出',
  'choice.exit.n': '不，接着玩',

  'verdict.right': '答对了！',
  'verdict.wrong': '这次不对',
  'verdict.answer': '答案是{answer}',
  'tries-left': { other: '还有{count}次机会' },
  'ended.points': { other: '你得了{count}分' },
  'ended.winner': '{name}赢了！',
  'ended.neither': '这次谁都没答对',
  'ended': '游戏结束了。',
  'again': '再玩一次',

  'hint.name': '输入你的名字，再按回车键。',
  'hint.number': '这里只能填数字。',
  'hint.number.long': '最多九位数字。',
  'hint.key': '点其中一个按钮。',
  'instructions': '输入答案，再按回车键。退格键可以删除。',

  'note.no-voice': '这台设备没有朗读用的语音。可以在设备的“设置”›“辅助功能”里，从“文字转语音”或“朗读内容”添加一个。',
  'note.no-voice.language': '这台设备没有中文语音。可以在设备的“设置”›“辅助功能”里，从“文字转语音”或“朗读内容”添加一个。',
  'note.own-voice': '现在由网页用自带的简单语音朗读；在设备上添加的语音会更好听。',
  'note.cannot-run': '这个浏览器不能运行Orvanell。更新浏览器，或者换一个浏览器打开这个页面，就可以玩了。',

  'tool.smaller': '文字变小',
  'tool.larger': '文字变大',
  'tool.keypad': '数字键盘',
  'tool.keyboard': '键盘',
  'tool.read-aloud': '朗读',
  'tool.say-again': '再说一遍',
  'tool.language': '语言',
  'key.backspace': '删除',
  'key.enter': '确定',
  'log': '游戏',
  'choices': '选项',

  'say.title': '{title}。',
  'say.chosen': '{choice}。',
  'say.list': '{items}。',
  'say.list.between': '、',
  'say.ask.main-menu': '我们玩什么？',
  'say.ask.game-type': '一个人玩，还是两个人玩？',
  'say.ask.help-menu': '看哪个小窍门？',
  'say.ask.name': '你是{player}号玩家。你叫什么名字？',
  'say.ask.exit': '要离开游戏吗？',
  'say.choice.main-menu.1': '加',
  'say.choice.main-menu.2': '减',
  'say.choice.main-menu.3': '乘',
  'say.choice.main-menu.4': '点问号看帮助',
  'say.choice.main-menu.5': '点门退出',
  'say.choice.game-type.1': '一个人',
  'say.choice.game-type.2': '两个人',
  'say.choice.help-menu.1': '加',
  'say.choice.help-menu.2': '减',
  'say.choice.help-menu.3': '乘',
  'say.choice.help-menu.4': '点小房子回主菜单',
  'say.choice.tips.b': '点箭头返回',
  'say.choice.tips.x': '点小房子回主菜单',
  'say.choice.continue.1': '点小房子回主菜单',
  'say.choice.continue.2': '点门就不玩了',
  'say.choice.exit.y': '点门就不玩了',
  'say.choice.exit.n': '点箭头接着玩',
  'say.operator.addition': '加',
  'say.operator.subtraction': '减',
  'say.operator.multiplication': '乘',
  'say.equals': '等于',
  'say.sum': '{first}{operator}{second}等于几？',
  'say.turn': '轮到{name}了。{sum}',
  'say.right': '答对了！',
  'say.wrong': '这次不对。',
  'say.answer': '答案是{answer}。',
  'say.points': { other: '你得了{count}分。' },
  'say.winner': '{name}赢了！',
  'say.neither': '谁都没赢。',
  'say.ended': '游戏结束了。想再玩一次，就点绿色的按钮。',
  'say.how-to-answer': '点数字，再点绿色的按钮。',
  'say.how-to-answer.keyboard': '输入数字，再按回车键。',
  'say.missed': '没关系！下一题你一定行。',

  'tips.addition': '一个数加0，还是原来的数：7 + 0 = 7。\n' +
    '试着在脑子里想一想这些数。\n' +
    '你有3个苹果，又拿到4个。\n' +
    '3 + 4 = 7：现在你有7个苹果！',
  'tips.subtraction': '一个数减0，还是原来的数：6 − 0 = 6。\n' +
    '两位数相减，先减个位，再减十位。\n' +
    '个位不够减？从十位退1，个位就多了10。',
  'tips.multiplication': '一个数乘1，还是原来的数：4 × 1 = 4。\n' +
    '一个数乘0，得0：4 × 0 = 0。\n' +
    '一个数乘5，末尾是5或0：3 × 5 = 15。\n' +
    '一个数乘10，末尾添一个0：6 × 10 = 60。\n' +
    '一位数乘11，就是把这个数字写两遍：8 × 11 = 88。\n' +
    '从9 × 1到9 × 10，得数的各位数字加起来是9。\n' +
    '9 × 2 = 18，1 + 8 = 9。\n' +
    '9 × 5 = 45，4 + 5 = 9。\n' +
    '乘法口诀表上有所有的得数：打印出来，用起来吧！',
};
